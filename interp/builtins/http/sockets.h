// The system's TCP sockets, as the connections need them (Windows Sockets
// 2.2 in socket_win32.cpp, POSIX sockets in socket_posix.cpp; the steps of
// connecting, which both share, in sockets.cpp).
#pragma once
#include <cstdint>
#include <string>

#include "builtins/http/stream.h"

namespace quorin::http::net {

using Socket = intptr_t;
inline constexpr Socket kNoSocket = -1;
inline constexpr int kTimeoutMs = 10000;

// Prepares the process once (Winsock, the TLS library, broken pipes).
void start();
// Resolves `host`, connects with a 10-second limit and sets 10-second send
// and receive time-outs.  kNoSocket with `f` set on a failure.
Socket connect_tcp(const std::string& host, int port, Failure& f);
int recv_some(Socket s, char* buf, int n);  // count, 0 at the end, -1 failure
bool send_all(Socket s, const char* buf, int n);
// True when nothing (not even the end of the stream) is waiting to be read.
bool quiet(Socket s);
void close_socket(Socket s);
int last_error();

}  // namespace quorin::http::net
