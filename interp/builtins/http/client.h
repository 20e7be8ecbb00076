// One HTTP request as the builtins make it: keep-alive first, redirects
// (301/302 with a Location) followed up to a depth of 8, and one more try
// without keep-alive on a fresh connection when a keep-alive try fails.
// Idle connections wait in two pools (plain and TLS), keyed "host:port".
#pragma once
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "builtins/http/stream.h"
#include "builtins/http/url.h"

namespace quorin::http {

inline constexpr int kRedirectLimit = 8;

// Makes connections; the system's sockets in the product, memory in tests.
class Connector {
 public:
  virtual ~Connector() = default;
  virtual std::unique_ptr<Connection> connect(const std::string& host, int port, bool tls, Failure& f) = 0;
};

class ConnectionPools {
 public:
  std::unique_ptr<Connection> take(const std::string& key, bool tls);
  void give(const std::string& key, bool tls, std::unique_ptr<Connection> c);
  size_t idle(bool tls);

 private:
  struct Pool {
    std::mutex lock;
    std::map<std::string, std::vector<std::unique_ptr<Connection>>> idle;
  };
  Pool plain_, tls_;
};

struct Request {
  bool post = false;
  std::string url, data, cookie, referer;  // bytes as sent
};

struct Response {
  bool ok = false;
  Failure failure;
  // The body on success, and for a status the client does not handle the
  // body the server sent with it (then it is the failure's text).
  std::string body;
  bool body_is_message = false;
  std::string head;
};

class Client {
 public:
  explicit Client(Connector& c) : connector_(c) {}
  Response fetch(const Request& r);
  ConnectionPools& pools() { return pools_; }

 private:
  Response hop(bool post, const std::string& url, const Request& r, int depth);
  Response attempt(bool post, const Url& url, const Request& r, bool keep_alive, int depth, std::string& redirect);

  Connector& connector_;
  ConnectionPools pools_;
};

}  // namespace quorin::http
