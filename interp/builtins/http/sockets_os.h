// The system calls under sockets.cpp: Windows Sockets in socket_win32.cpp,
// POSIX sockets in socket_posix.cpp.  sockets.cpp holds what both share (the
// order of the steps, the time limits and the failure texts).
#pragma once
#include <cstdint>
#include <string>

#include "builtins/http/sockets.h"

namespace quorin::http::net::os {

// Where to connect: an IPv4 address and a port, both in host order.
struct Endpoint {
  uint32_t ip = 0;
  int port = 0;
};

// Results of begin_connect and wait_connected that are not error codes (the
// systems' error codes are all positive).
inline constexpr int kPending = -1;
inline constexpr int kTimedOut = -2;

// Once per process, before anything else: what the system needs beside TLS.
void prepare();
// The first IPv4 address of `host`; false when the name does not resolve.
bool resolve(const std::string& host, int port, Endpoint& to);
// A new TCP socket, kNoSocket on failure.
Socket open_stream();
bool set_nonblocking(Socket s, bool on);
// 0 when connected, kPending while a non-blocking connection is under way,
// else the system's error code.
int begin_connect(Socket s, const Endpoint& to);
// Waits up to `ms` for a pending connection: 0, kTimedOut or an error code.
int wait_connected(Socket s, int ms);
// Limits every later send and receive to `ms`.
void set_timeouts(Socket s, int ms);

}  // namespace quorin::http::net::os
