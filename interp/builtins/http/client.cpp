#include "builtins/http/client.h"

#include "builtins/http/response.h"
#include "support/format.h"

namespace quorin::http {

namespace {
std::string key_of(const Url& u) { return u.host + ":" + std::to_string(u.port); }
}  // namespace

std::unique_ptr<Connection> ConnectionPools::take(const std::string& key, bool tls) {
  Pool& p = tls ? tls_ : plain_;
  std::lock_guard<std::mutex> g(p.lock);
  auto& list = p.idle[key];
  while (!list.empty()) {
    std::unique_ptr<Connection> c = std::move(list.back());
    list.pop_back();
    if (c->reusable()) return c;  // a closed one is dropped (and closed)
  }
  return nullptr;
}

void ConnectionPools::give(const std::string& key, bool tls, std::unique_ptr<Connection> c) {
  Pool& p = tls ? tls_ : plain_;
  std::lock_guard<std::mutex> g(p.lock);
  p.idle[key].push_back(std::move(c));
}

size_t ConnectionPools::idle(bool tls) {
  Pool& p = tls ? tls_ : plain_;
  std::lock_guard<std::mutex> g(p.lock);
  size_t n = 0;
  for (auto& [k, list] : p.idle) n += list.size();
  return n;
}

Response Client::fetch(const Request& r) { return hop(r.post, r.url, r, 0); }

Response Client::hop(bool post, const std::string& text, const Request& r, int depth) {
  Response res;
  if (depth >= kRedirectLimit) {
    res.failure.set(kHttpFailure, u"HTTP连继跳转已超过允许的次数。");
    return res;
  }
  std::optional<Url> url = parse_url(text);
  if (!url) {
    res.failure.set(kHttpFailure, u"网址不符合规范");
    return res;
  }
  std::string redirect;
  res = attempt(post, *url, r, true, depth, redirect);
  if (!res.ok && redirect.empty() && (res.failure.kind == kConnectionFailure || res.failure.broken)) {
    // Once more on a fresh connection without keep-alive: the kept one may
    // have been closed by the server meanwhile.  A response that arrived
    // and was refused (a status, a limit) is not asked for again, so a POST
    // the server has answered is never sent twice.
    res = attempt(post, *url, r, false, depth, redirect);
  }
  if (!redirect.empty()) return hop(false, resolve_location(*url, redirect), r, depth + 1);
  return res;
}

Response Client::attempt(bool post, const Url& url, const Request& r, bool keep_alive, int depth,
                         std::string& redirect) {
  Response res;
  redirect.clear();
  const std::string key = key_of(url);
  std::unique_ptr<Connection> conn;
  if (keep_alive) conn = pools_.take(key, url.tls());
  if (!conn) {
    conn = connector_.connect(url.host, url.port, url.tls(), res.failure);
    if (!conn) return res;
  }
  RequestText rt;
  rt.post = post;
  rt.keep_alive = keep_alive;
  if (post) rt.data = r.data;
  rt.cookie = r.cookie;
  rt.referer = r.referer;
  const std::string request = build_request(url, rt);
  if (!conn->write_all(request.data(), static_cast<int>(request.size()))) {
    res.failure.set(kConnectionFailure, u"socket send() failed");
    return res;
  }
  Reader in(*conn);
  ResponseHead head;
  if (!read_head(in, head, res.failure)) return res;
  res.head = head.text;
  const bool encoded = !head.content_encoding.empty() && head.content_encoding != "identity";
  const bool redirected = (head.status == 301 || head.status == 302) && !head.location.empty();
  bool complete = false;
  if (head.status == 200 || !redirected) {
    if (encoded) {
      res.failure.set(kHttpFailure,
                      format16(u"暂不支持处理 header.contentEncoding:%s", ascii16(head.content_encoding)));
      return res;
    }
    if (!read_body(in, head, res.body, complete, res.failure)) {
      res.body.clear();
      return res;
    }
    if (head.status == 200) {
      res.ok = true;
    } else if (head.status == 404) {
      res.body.clear();
      res.failure.set(kHttpFailure, u"404 Not Found - 文件不存在");
    } else {
      res.failure.kind = kHttpFailure;
      res.body_is_message = true;
    }
  } else {
    // A redirect: its own body is read (and dropped) so that the connection
    // stays in step; if that fails the connection is simply not kept.
    std::string ignored;
    Failure unused;
    if (!read_body(in, head, ignored, complete, unused)) complete = false;
    redirect = head.location;
  }
  if (keep_alive && complete && head.keeps_open() && in.pending().empty())
    pools_.give(key, url.tls(), std::move(conn));
  return res;
}

}  // namespace quorin::http
