// The byte streams the HTTP client talks through.  The protocol code (URL,
// request text, response framing) sees only this interface; sockets and TLS
// sit behind it, and tests and the fuzzer feed it from memory.
#pragma once
#include <string>

namespace quorin::http {

class ByteStream {
 public:
  virtual ~ByteStream() = default;
  // Reads up to n bytes: the count, 0 at the end of the stream, -1 on a
  // failure (a time-out included).
  virtual int read(char* buf, int n) = 0;
  // Writes all n bytes; false on a failure.
  virtual bool write_all(const char* buf, int n) = 0;
  // The system's error number of the last failed call, 0 when none.
  virtual int last_error() const = 0;
};

// A connection to a server.  Closing happens in the destructor.
class Connection : public ByteStream {
 public:
  // True when the connection can carry another request: the server has not
  // closed it and nothing unread waits on it.
  virtual bool reusable() = 0;
};

// Why a request failed: 1 connection or socket, 2 HTTP or protocol.
struct Failure {
  int kind = 0;
  std::u16string message;
  // The stream ended or failed before the response was complete (as
  // opposed to a response that arrived and was refused).
  bool broken = false;
  void set(int k, std::u16string m, bool broke = false) {
    kind = k;
    message = std::move(m);
    broken = broke;
  }
};
inline constexpr int kConnectionFailure = 1;
inline constexpr int kHttpFailure = 2;

}  // namespace quorin::http
