#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include "builtins/http/sockets.h"
#include "builtins/http/sockets_os.h"

namespace quorin::http::net {

namespace os {

void prepare() {
  // Quorin.exe has started Winsock already; the command-line interpreter
  // and the tests start it here.  The count is never given back: sockets
  // may live until the process ends.
  WSADATA wsa;
  WSAStartup(MAKEWORD(2, 2), &wsa);
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
  const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  return s == INVALID_SOCKET ? kNoSocket : static_cast<Socket>(s);
}

bool set_nonblocking(Socket s, bool on) {
  u_long mode = on ? 1 : 0;
  return ioctlsocket(static_cast<SOCKET>(s), FIONBIO, &mode) == 0;
}

int begin_connect(Socket s, const Endpoint& to) {
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(to.ip);
  addr.sin_port = htons(static_cast<u_short>(to.port));
  if (connect(static_cast<SOCKET>(s), reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) return 0;
  const int err = WSAGetLastError();
  return err == WSAEWOULDBLOCK ? kPending : err;
}

int wait_connected(Socket s, int ms) {
  // A refused connection shows in the exception set, not the write set.
  const SOCKET sock = static_cast<SOCKET>(s);
  fd_set writable, failed;
  FD_ZERO(&writable);
  FD_ZERO(&failed);
  FD_SET(sock, &writable);
  FD_SET(sock, &failed);
  timeval tv{ms / 1000, 0};
  const int r = select(0, nullptr, &writable, &failed, &tv);
  if (r == 0) return kTimedOut;
  if (r == SOCKET_ERROR) return WSAGetLastError();
  int err = 0;
  if (FD_ISSET(sock, &failed) || !FD_ISSET(sock, &writable)) {
    int len = sizeof err;
    if (getsockopt(sock, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&err), &len) != 0 || err == 0)
      err = WSAGetLastError() ? WSAGetLastError() : WSAECONNREFUSED;
  }
  return err;
}

void set_timeouts(Socket s, int ms) {
  DWORD limit = static_cast<DWORD>(ms);
  setsockopt(static_cast<SOCKET>(s), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limit), sizeof limit);
  setsockopt(static_cast<SOCKET>(s), SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&limit), sizeof limit);
}

}  // namespace os

int recv_some(Socket s, char* buf, int n) {
  int r = recv(static_cast<SOCKET>(s), buf, n, 0);
  return r == SOCKET_ERROR ? -1 : r;
}

bool send_all(Socket s, const char* buf, int n) {
  while (n > 0) {
    int r = send(static_cast<SOCKET>(s), buf, n, 0);
    if (r == SOCKET_ERROR || r == 0) return false;
    buf += r;
    n -= r;
  }
  return true;
}

bool quiet(Socket s) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(static_cast<SOCKET>(s), &readable);
  timeval tv{0, 0};
  return select(0, &readable, nullptr, nullptr, &tv) == 0;
}

void close_socket(Socket s) {
  if (s != kNoSocket) closesocket(static_cast<SOCKET>(s));
}

int last_error() { return WSAGetLastError(); }

}  // namespace quorin::http::net
