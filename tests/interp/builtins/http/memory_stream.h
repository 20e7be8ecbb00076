// In-memory connections for the HTTP protocol tests: a scripted server
// answers each request, and the bytes arrive in pieces of chosen sizes.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "builtins/http/client.h"

namespace quorin::http::testing {

// Reads `data` in pieces of the given sizes (cycled), then ends or fails.
class PieceStream : public Connection {
 public:
  explicit PieceStream(std::string data, std::vector<int> pieces = {1 << 20}, bool fail_at_end = false)
      : data_(std::move(data)), pieces_(std::move(pieces)), fail_at_end_(fail_at_end) {}
  int read(char* buf, int n) override {
    if (pos_ >= data_.size()) return fail_at_end_ ? (error_ = 110, -1) : 0;
    int want = pieces_[turn_++ % pieces_.size()];
    if (want < 1) want = 1;
    int k = static_cast<int>(std::min<size_t>({static_cast<size_t>(n), static_cast<size_t>(want), data_.size() - pos_}));
    data_.copy(buf, static_cast<size_t>(k), pos_);
    pos_ += static_cast<size_t>(k);
    return k;
  }
  bool write_all(const char* buf, int n) override {
    written.append(buf, static_cast<size_t>(n));
    return true;
  }
  int last_error() const override { return error_; }
  bool reusable() override { return pos_ >= data_.size() && !fail_at_end_; }
  std::string written;

 protected:
  std::string data_;
  size_t pos_ = 0;

 private:
  std::vector<int> pieces_;
  size_t turn_ = 0;
  bool fail_at_end_;
  int error_ = 0;
};

// A connection to a scripted server: every request written is answered by
// `serve(request, connection number, request number on it)`; an empty
// answer ends the connection.
struct ScriptedServer : Connector {
  std::function<std::string(const std::string&, int, int)> serve;
  int connections = 0;
  std::vector<std::string> requests;
  std::vector<std::string> hosts;

  class Conn : public Connection {
   public:
    Conn(ScriptedServer& s, int id) : server_(s), id_(id) {}
    int read(char* buf, int n) override {
      if (pos_ >= answer_.size()) return 0;
      int k = static_cast<int>(std::min<size_t>(static_cast<size_t>(n), answer_.size() - pos_));
      answer_.copy(buf, static_cast<size_t>(k), pos_);
      pos_ += static_cast<size_t>(k);
      return k;
    }
    bool write_all(const char* buf, int n) override {
      std::string req(buf, static_cast<size_t>(n));
      server_.requests.push_back(req);
      answer_ = server_.serve(req, id_, ++count_);
      pos_ = 0;
      closed_ = answer_.empty();
      return true;
    }
    int last_error() const override { return 0; }
    bool reusable() override { return !closed_ && pos_ >= answer_.size(); }

   private:
    ScriptedServer& server_;
    int id_;
    int count_ = 0;
    std::string answer_;
    size_t pos_ = 0;
    bool closed_ = false;
  };

  std::unique_ptr<Connection> connect(const std::string& host, int port, bool tls, Failure& f) override {
    hosts.push_back(host + ":" + std::to_string(port) + (tls ? " tls" : ""));
    if (port == 1) {
      f.set(kConnectionFailure, u"refused");
      return nullptr;
    }
    return std::make_unique<Conn>(*this, ++connections);
  }
};

}  // namespace quorin::http::testing
