#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <openssl/ssl.h>

#include <mutex>

#include "builtins/http/sockets.h"
#include "support/format.h"
#include "support/text_codec.h"

namespace quorin::http::net {

void start() {
  static std::once_flag once;
  std::call_once(once, [] {
    // Quorin.exe has started Winsock already; the command-line interpreter
    // and the tests start it here.  The count is never given back: sockets
    // may live until the process ends.
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
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
  addr.sin_port = htons(static_cast<u_short>(port));

  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) {
    f.set(kConnectionFailure, u"INVALID_SOCKET");
    return kNoSocket;
  }
  u_long on = 1;
  if (ioctlsocket(s, FIONBIO, &on) != 0) {
    if (connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
      f.set(kConnectionFailure, u"socket bio connect() failed");
      closesocket(s);
      return kNoSocket;
    }
  } else {
    if (connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
      int err = WSAGetLastError();
      if (err != WSAEWOULDBLOCK) {
        f.set(kConnectionFailure, format16(u"使用非阻塞方式连接发生错误，错误码:%d", err));
        closesocket(s);
        return kNoSocket;
      }
      // A refused connection shows in the exception set, not the write set.
      fd_set writable, failed;
      FD_ZERO(&writable);
      FD_ZERO(&failed);
      FD_SET(s, &writable);
      FD_SET(s, &failed);
      timeval tv{kTimeoutMs / 1000, 0};
      int r = select(0, nullptr, &writable, &failed, &tv);
      if (r == 0) {
        f.set(kConnectionFailure, u"使用非阻塞方式连接超时。");
        closesocket(s);
        return kNoSocket;
      }
      err = 0;
      if (r == SOCKET_ERROR) {
        err = WSAGetLastError();
      } else if (FD_ISSET(s, &failed) || !FD_ISSET(s, &writable)) {
        int len = sizeof err;
        if (getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&err), &len) != 0 || err == 0)
          err = WSAGetLastError() ? WSAGetLastError() : WSAECONNREFUSED;
      }
      if (err != 0) {
        f.set(kConnectionFailure, format16(u"使用非阻塞方式连接发生错误，错误码:%d", err));
        closesocket(s);
        return kNoSocket;
      }
    }
    u_long off = 0;
    if (ioctlsocket(s, FIONBIO, &off) != 0) {
      f.set(kConnectionFailure, format16(u"将socket重置为阻塞模式出错, 错误码:%d\n", WSAGetLastError()));
      closesocket(s);
      return kNoSocket;
    }
  }
  DWORD ms = kTimeoutMs;
  setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&ms), sizeof ms);
  setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&ms), sizeof ms);
  return static_cast<Socket>(s);
}

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
