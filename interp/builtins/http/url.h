// URLs as the HTTP builtins take them, and the request text they send.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace quorin::http {

struct Url {
  std::string host;
  int port = 80;
  std::string path;  // from the "/" on, query included
  bool https = false;  // written with "https:"
  bool tls() const { return port == 443; }  // TLS exactly on port 443
};

// "http…" or "//…"; the host runs from the first "//" to the next "/"
// (or "?" or "#"), a ":" in it introduces a decimal port, and the default
// port is 443 for "https:" and 80 otherwise.  Nothing for an unusable URL.
std::optional<Url> parse_url(std::string_view text);

// The target of a redirect: an absolute URL as it stands; a path ("/x") or
// a relative reference ("x") against the URL that answered.
std::string resolve_location(const Url& base, std::string_view location);

struct RequestText {
  bool post = false;
  bool keep_alive = true;
  std::string data, cookie, referer;  // bytes as sent
};
// The request head (and, for POST, the data) for `url`.
std::string build_request(const Url& url, const RequestText& r);

// url_encode's byte rule: space → "+", "-._", digits and ASCII letters
// unchanged, anything else "%XX" (upper-case hexadecimal).
std::string form_encode(std::string_view bytes);

}  // namespace quorin::http
