#include "builtins/http/connections.h"

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/ssl.h>

#include <cstdio>

#include "builtins/http/sockets.h"

namespace quorin::http {
namespace {

class PlainConnection : public Connection {
 public:
  explicit PlainConnection(net::Socket s) : s_(s) {}
  ~PlainConnection() override { net::close_socket(s_); }
  int read(char* buf, int n) override {
    int r = net::recv_some(s_, buf, n);
    error_ = r < 0 ? net::last_error() : 0;
    return r;
  }
  bool write_all(const char* buf, int n) override {
    bool ok = net::send_all(s_, buf, n);
    error_ = ok ? 0 : net::last_error();
    return ok;
  }
  int last_error() const override { return error_; }
  bool reusable() override { return net::quiet(s_); }

 private:
  net::Socket s_;
  int error_ = 0;
};

class TlsConnection : public Connection {
 public:
  TlsConnection(net::Socket s, SSL_CTX* ctx, BIO* bio) : s_(s), ctx_(ctx), bio_(bio) {}
  ~TlsConnection() override {
    BIO_ssl_shutdown(bio_);
    BIO_free_all(bio_);
    SSL_CTX_free(ctx_);
    net::close_socket(s_);
  }
  int read(char* buf, int n) override {
    int r = BIO_read(bio_, buf, n);
    if (r > 0) {
      error_ = 0;
      return r;
    }
    // The end of the stream, with or without the peer's close notice.
    error_ = net::last_error();
    SSL* ssl = nullptr;
    BIO_get_ssl(bio_, &ssl);
    const int why = ssl ? SSL_get_error(ssl, r) : SSL_ERROR_SSL;
    ERR_clear_error();
    if (why == SSL_ERROR_ZERO_RETURN || (why == SSL_ERROR_SYSCALL && r == 0)) {
      error_ = 0;
      return 0;
    }
    return -1;
  }
  bool write_all(const char* buf, int n) override {
    while (n > 0) {
      int r = BIO_write(bio_, buf, n);
      if (r <= 0) {
        error_ = net::last_error();
        ERR_clear_error();
        return false;
      }
      buf += r;
      n -= r;
    }
    return true;
  }
  int last_error() const override { return error_; }
  bool reusable() override {
    SSL* ssl = nullptr;
    BIO_get_ssl(bio_, &ssl);
    return ssl && SSL_pending(ssl) == 0 && net::quiet(s_);
  }

 private:
  net::Socket s_;
  SSL_CTX* ctx_;
  BIO* bio_;
  int error_ = 0;
};

std::unique_ptr<Connection> tls_over(net::Socket s, const std::string& host, Failure& f) {
  SSL_CTX* ctx = SSL_CTX_new(TLS_client_method());
  BIO* bio = ctx ? BIO_new_ssl(ctx, 1) : nullptr;
  BIO* sock = bio ? BIO_new_socket(static_cast<int>(s), BIO_NOCLOSE) : nullptr;
  SSL* ssl = nullptr;
  if (sock) {
    BIO_push(bio, sock);
    BIO_get_ssl(bio, &ssl);
  }
  bool ok = ssl != nullptr;
  if (ok) {
    SSL_set_mode(ssl, SSL_MODE_AUTO_RETRY);
#ifdef SSL_OP_IGNORE_UNEXPECTED_EOF
    // Servers often end a body delimited by the connection without a close
    // notice; that is the body's end, not an error.
    SSL_set_options(ssl, SSL_OP_IGNORE_UNEXPECTED_EOF);
#endif
    SSL_set_tlsext_host_name(ssl, host.c_str());
    ok = BIO_do_connect(bio) > 0;
  }
  if (!ok) {
    std::fputs("BIO_do_connect(ssl_bio) 错误:\n", stderr);
    ERR_print_errors_fp(stderr);
    std::fflush(stderr);
    ERR_clear_error();
    if (bio)
      BIO_free_all(bio);
    else if (sock)
      BIO_free(sock);
    if (ctx) SSL_CTX_free(ctx);
    net::close_socket(s);
    f.set(kConnectionFailure, u"BIO_do_connect(ssl_bio) Error");
    return nullptr;
  }
  return std::make_unique<TlsConnection>(s, ctx, bio);
}

}  // namespace

SystemConnector::SystemConnector() { net::start(); }

std::unique_ptr<Connection> SystemConnector::connect(const std::string& host, int port, bool tls, Failure& f) {
  net::Socket s = net::connect_tcp(host, port, f);
  if (s == net::kNoSocket) return nullptr;
  if (tls) return tls_over(s, host, f);
  return std::make_unique<PlainConnection>(s);
}

}  // namespace quorin::http
