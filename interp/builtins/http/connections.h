// Connections over the system's sockets; TLS (OpenSSL) on port 443, with
// the host name sent for server name indication.  The server's certificate
// is not verified.
#pragma once
#include "builtins/http/client.h"

namespace quorin::http {

class SystemConnector : public Connector {
 public:
  SystemConnector();
  std::unique_ptr<Connection> connect(const std::string& host, int port, bool tls, Failure& f) override;
};

}  // namespace quorin::http
