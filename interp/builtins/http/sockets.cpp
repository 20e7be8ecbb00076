#include <openssl/ssl.h>

#include <mutex>

#include "builtins/http/sockets.h"
#include "builtins/http/sockets_os.h"
#include "support/format.h"
#include "support/text_codec.h"

namespace quorin::http::net {

void start() {
  static std::once_flag once;
  std::call_once(once, [] {
    os::prepare();
    OPENSSL_init_ssl(OPENSSL_INIT_LOAD_SSL_STRINGS | OPENSSL_INIT_LOAD_CRYPTO_STRINGS, nullptr);
    OPENSSL_init_ssl(0, nullptr);
  });
}

Socket connect_tcp(const std::string& host, int port, Failure& f) {
  os::Endpoint to;
  if (!os::resolve(host, port, to)) {
    f.set(kConnectionFailure, format16(u"无法解析域名: %s", decode_bytes(host, codepage::Ansi)));
    return kNoSocket;
  }
  const Socket s = os::open_stream();
  if (s == kNoSocket) {
    f.set(kConnectionFailure, u"INVALID_SOCKET");
    return kNoSocket;
  }
  auto give_up = [&](std::u16string message) {
    f.set(kConnectionFailure, std::move(message));
    close_socket(s);
    return kNoSocket;
  };
  if (!os::set_nonblocking(s, true)) {
    // Without a non-blocking socket there is no time limit on connecting.
    if (os::begin_connect(s, to) != 0) return give_up(u"socket bio connect() failed");
  } else {
    int err = os::begin_connect(s, to);
    if (err == os::kPending) err = os::wait_connected(s, kTimeoutMs);
    if (err == os::kTimedOut) return give_up(u"使用非阻塞方式连接超时。");
    if (err != 0) return give_up(format16(u"使用非阻塞方式连接发生错误，错误码:%d", err));
    if (!os::set_nonblocking(s, false))
      return give_up(format16(u"将socket重置为阻塞模式出错, 错误码:%d\n", last_error()));
  }
  os::set_timeouts(s, kTimeoutMs);
  return s;
}

}  // namespace quorin::http::net
