#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "builtins/http/sockets.h"
#include "builtins/http/sockets_os.h"

namespace quorin::http::net {

namespace os {

void prepare() {
  // A write to a connection the server closed must fail, not end the process.
  std::signal(SIGPIPE, SIG_IGN);
}

bool resolve(const std::string& host, int port, Endpoint& to) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return false;
  to.ip = ntohl(reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
  to.port = port;
  freeaddrinfo(found);
  return true;
}

Socket open_stream() {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  return s < 0 ? kNoSocket : s;
}

bool set_nonblocking(Socket s, bool on) {
  const int flags = fcntl(static_cast<int>(s), F_GETFL, 0);
  if (flags < 0) return false;
  return fcntl(static_cast<int>(s), F_SETFL, on ? flags | O_NONBLOCK : flags & ~O_NONBLOCK) >= 0;
}

int begin_connect(Socket s, const Endpoint& to) {
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(to.ip);
  addr.sin_port = htons(static_cast<uint16_t>(to.port));
  if (connect(static_cast<int>(s), reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) return 0;
  return errno == EINPROGRESS ? kPending : errno;
}

int wait_connected(Socket s, int ms) {
  pollfd p{static_cast<int>(s), POLLOUT, 0};
  int r;
  do r = poll(&p, 1, ms);
  while (r < 0 && errno == EINTR);
  if (r == 0) return kTimedOut;
  if (r < 0) return errno;
  int err = 0;
  socklen_t len = sizeof err;
  if (getsockopt(static_cast<int>(s), SOL_SOCKET, SO_ERROR, &err, &len) != 0) err = errno;
  return err;
}

void set_timeouts(Socket s, int ms) {
  timeval tv{ms / 1000, 0};
  setsockopt(static_cast<int>(s), SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
  setsockopt(static_cast<int>(s), SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
}

}  // namespace os

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
