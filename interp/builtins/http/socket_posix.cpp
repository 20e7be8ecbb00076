#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "builtins/http/sockets.h"
#include "support/format.h"
#include "support/text_codec.h"

namespace quorin::http::net {

void start() {
  static std::once_flag once;
  std::call_once(once, [] {
    // A write to a connection the server closed must fail, not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    OPENSSL_init_ssl(OPENSSL_INIT_LOAD_SSL_STRINGS | OPENSSL_INIT_LOAD_CRYPTO_STRINGS, nullptr);
    OPENSSL_init_ssl(0, nullptr);
  });
}

Socket connect_tcp(const std::string& host, int port, Failure& f) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) {
    f.set(kConnectionFailure, format16(u"无法解析域名: %s", decode_bytes(host, codepage::Ansi)));
    return kNoSocket;
  }
  sockaddr_in addr = *reinterpret_cast<sockaddr_in*>(found->ai_addr);
  freeaddrinfo(found);
  addr.sin_port = htons(static_cast<uint16_t>(port));

  int s = socket(AF_INET, SOCK_STREAM, 0);
  if (s < 0) {
    f.set(kConnectionFailure, u"INVALID_SOCKET");
    return kNoSocket;
  }
  const int flags = fcntl(s, F_GETFL, 0);
  if (flags < 0 || fcntl(s, F_SETFL, flags | O_NONBLOCK) < 0) {
    if (connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
      f.set(kConnectionFailure, u"socket bio connect() failed");
      close(s);
      return kNoSocket;
    }
  } else {
    if (connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
      if (errno != EINPROGRESS) {
        f.set(kConnectionFailure, format16(u"使用非阻塞方式连接发生错误，错误码:%d", errno));
        close(s);
        return kNoSocket;
      }
      pollfd p{s, POLLOUT, 0};
      int r;
      do r = poll(&p, 1, kTimeoutMs);
      while (r < 0 && errno == EINTR);
      int err = 0;
      socklen_t len = sizeof err;
      if (r == 0) {
        f.set(kConnectionFailure, u"使用非阻塞方式连接超时。");
        close(s);
        return kNoSocket;
      }
      if (r < 0) err = errno;
      else if (getsockopt(s, SOL_SOCKET, SO_ERROR, &err, &len) != 0) err = errno;
      if (err != 0) {
        f.set(kConnectionFailure, format16(u"使用非阻塞方式连接发生错误，错误码:%d", err));
        close(s);
        return kNoSocket;
      }
    }
    if (fcntl(s, F_SETFL, flags) < 0) {
      f.set(kConnectionFailure, format16(u"将socket重置为阻塞模式出错, 错误码:%d\n", errno));
      close(s);
      return kNoSocket;
    }
  }
  timeval tv{kTimeoutMs / 1000, 0};
  setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
  setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
  return s;
}

int recv_some(Socket s, char* buf, int n) {
  for (;;) {
    ssize_t r = recv(static_cast<int>(s), buf, static_cast<size_t>(n), 0);
    if (r < 0 && errno == EINTR) continue;
    return r < 0 ? -1 : static_cast<int>(r);
  }
}

bool send_all(Socket s, const char* buf, int n) {
  while (n > 0) {
    ssize_t r = send(static_cast<int>(s), buf, static_cast<size_t>(n), MSG_NOSIGNAL);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    buf += r;
    n -= static_cast<int>(r);
  }
  return true;
}

bool quiet(Socket s) {
  pollfd p{static_cast<int>(s), POLLIN, 0};
  return poll(&p, 1, 0) == 0;
}

void close_socket(Socket s) {
  if (s != kNoSocket) close(static_cast<int>(s));
}

int last_error() { return errno; }

}  // namespace quorin::http::net
