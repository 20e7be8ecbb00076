#include "builtins/http/url.h"

namespace quorin::http {

namespace {
bool starts_with(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
bool starts_with_nocase(std::string_view s, std::string_view p) {
  if (s.size() < p.size()) return false;
  for (size_t i = 0; i < p.size(); ++i) {
    char c = s[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != p[i]) return false;
  }
  return true;
}
}  // namespace

std::optional<Url> parse_url(std::string_view text) {
  if (!starts_with_nocase(text, "http") && !starts_with(text, "//")) return std::nullopt;
  const size_t slashes = text.find("//");
  if (slashes == std::string_view::npos) return std::nullopt;
  Url u;
  u.https = starts_with_nocase(text, "https:");
  std::string_view rest = text.substr(slashes + 2);
  const size_t host_end = rest.find_first_of("/?#");
  std::string_view host = rest.substr(0, host_end);
  std::string_view tail = host_end == std::string_view::npos ? std::string_view() : rest.substr(host_end);
  // The fragment stays with the client.
  if (size_t hash = tail.find('#'); hash != std::string_view::npos) tail = tail.substr(0, hash);
  u.path = tail.empty() || tail[0] != '/' ? "/" + std::string(tail) : std::string(tail);
  if (size_t colon = host.find(':'); colon != std::string_view::npos) {
    std::string_view digits = host.substr(colon + 1);
    host = host.substr(0, colon);
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    int port = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') return std::nullopt;
      port = port * 10 + (c - '0');
    }
    if (port < 1 || port > 65535) return std::nullopt;
    u.port = port;
  } else {
    u.port = u.https ? 443 : 80;
  }
  if (host.empty()) return std::nullopt;
  for (char c : host)
    if (static_cast<unsigned char>(c) <= ' ' || c == '@') return std::nullopt;
  u.host = std::string(host);
  return u;
}

std::string resolve_location(const Url& base, std::string_view location) {
  if (starts_with_nocase(location, "http") || starts_with(location, "//")) return std::string(location);
  std::string origin = (base.https && base.port == 443 ? "https://" : "http://") + base.host;
  if (!((base.https && base.port == 443) || (!base.https && base.port == 80)))
    origin += ":" + std::to_string(base.port);
  if (!location.empty() && location[0] == '/') return origin + std::string(location);
  // Relative to the folder of the base path (its query left out).
  std::string path = base.path.substr(0, base.path.find('?'));
  path = path.substr(0, path.rfind('/') + 1);
  return origin + path + std::string(location);
}

std::string build_request(const Url& url, const RequestText& r) {
  std::string t;
  t += r.post ? "POST " : "GET ";
  t += url.path;
  t += r.keep_alive ? " HTTP/1.1\r\n" : " HTTP/1.0\r\n";
  t += "Accept: */*\r\n";
  t += "Accept-Language: zh-cn\r\n";
  t += "User-Agent: Mozilla/5.0 (Windows NT 6.1) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/92.0.4515.131 "
       "Safari/537.36\r\n";
  t += "Host: " + url.host;
  if (url.port != 80 && url.port != 443) t += ":" + std::to_string(url.port);
  t += "\r\n";
  if (!r.referer.empty()) t += "Referer: " + r.referer + "\r\n";
  if (r.post) {
    t += "Content-Type: application/x-www-form-urlencoded\r\n";
    t += "Content-Length: " + std::to_string(r.data.size()) + "\r\n";
  }
  t += r.keep_alive ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
  if (!r.cookie.empty()) t += "Cookie: " + r.cookie + "\r\n";
  t += "\r\n";
  if (r.post) t += r.data;
  return t;
}

std::string form_encode(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 3);
  for (unsigned char c : bytes) {
    if (c == ' ') {
      out += '+';
    } else if (c == '-' || c == '.' || c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
               (c >= 'A' && c <= 'Z')) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

}  // namespace quorin::http
