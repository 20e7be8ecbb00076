// Reading an HTTP/1.x response from a byte stream: the head (at most 8192
// bytes, interim "100 Continue" heads dropped) and the body, delimited by
// Content-Length, by chunks or by the end of the connection, at most 10 MiB.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "builtins/http/stream.h"

namespace quorin::http {

inline constexpr size_t kHeadLimit = 8192;
inline constexpr uint64_t kBodyLimit = 10485760;

struct ResponseHead {
  std::string text;  // the head, up to and including the blank line
  std::string version;  // "HTTP/1.1"
  int status = 0;
  std::optional<uint64_t> content_length;
  bool chunked = false;
  std::string content_encoding, content_type, charset, location, connection;
  // The server keeps the connection open after this response.
  bool keeps_open() const;
};

// Bytes that arrived from the stream but were not consumed yet.
class Reader {
 public:
  explicit Reader(ByteStream& s) : stream_(s) {}
  ByteStream& stream() { return stream_; }
  std::string& pending() { return pending_; }
  // Reads once more into the pending bytes (at most `room` bytes); the
  // stream's result.
  int fill(size_t room);
  int last_ret() const { return last_ret_; }

 private:
  ByteStream& stream_;
  std::string pending_;
  int last_ret_ = 0;
};

// Reads and parses the head.  False with `f` set on a failure.
bool read_head(Reader& in, ResponseHead& head, Failure& f);

// Reads the body the head announces.  `complete` tells whether the
// response ended where its framing says (so the connection is in step for
// another request).  False with `f` set on a failure.
bool read_body(Reader& in, const ResponseHead& head, std::string& body, bool& complete, Failure& f);

}  // namespace quorin::http
