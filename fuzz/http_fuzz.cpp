// Arbitrary server bytes through the HTTP client's response framing (head
// search, chunk decoding, lengths and limits) and through a whole request
// with redirects.  The first byte chooses how the bytes are split into
// reads; a second piece of the input, after the first "\xff\xfe", is the
// URL asked for.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "builtins/http/client.h"
#include "builtins/http/response.h"

namespace {

using namespace quorin::http;

class Replay : public Connection {
 public:
  Replay(std::string_view data, unsigned pattern) : data_(data), pattern_(pattern) {}
  int read(char* buf, int n) override {
    if (pos_ >= data_.size()) return (pattern_ & 0x80) ? -1 : 0;
    size_t want = 1 + ((pattern_ >> (turn_++ % 4)) & 0x0F) * ((pattern_ & 0x40) ? 97 : 1);
    size_t k = std::min(std::min(static_cast<size_t>(n), want), data_.size() - pos_);
    data_.copy(buf, k, pos_);
    pos_ += k;
    return static_cast<int>(k);
  }
  bool write_all(const char*, int) override { return true; }
  int last_error() const override { return 0; }
  bool reusable() override { return pos_ >= data_.size() && (pattern_ & 0x20); }

 private:
  std::string_view data_;
  unsigned pattern_;
  size_t pos_ = 0;
  unsigned turn_ = 0;
};

struct ReplayServer : Connector {
  std::string_view data;
  unsigned pattern;
  std::unique_ptr<Connection> connect(const std::string&, int port, bool, Failure& f) override {
    if (port == 1) {
      f.set(kConnectionFailure, u"refused");
      return nullptr;
    }
    return std::make_unique<Replay>(data, pattern);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size < 1) return 0;
  const unsigned pattern = bytes[0];
  std::string_view rest(reinterpret_cast<const char*>(bytes + 1), size - 1);
  std::string_view url = "http://fuzz.test/start";
  if (size_t cut = rest.find("\xff\xfe"); cut != std::string_view::npos) {
    url = rest.substr(cut + 2);
    rest = rest.substr(0, cut);
  }

  {
    Replay stream(rest, pattern);
    Reader in(stream);
    ResponseHead head;
    Failure f;
    std::string body;
    bool complete = false;
    if (read_head(in, head, f)) {
      read_body(in, head, body, complete, f);
      if (body.size() > kBodyLimit) __builtin_trap();
    } else if (f.message.empty()) {
      __builtin_trap();
    }
  }
  {
    ReplayServer server;
    server.data = rest;
    server.pattern = pattern;
    Client client(server);
    Request r;
    r.url = std::string(url);
    r.post = pattern & 1;
    r.data = "a=1";
    Response res = client.fetch(r);
    if (!res.ok && res.failure.kind == 0) __builtin_trap();
  }
  return 0;
}
