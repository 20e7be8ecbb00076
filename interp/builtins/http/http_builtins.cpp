#include "builtins/http/http_builtins.h"

#include <memory>

#include "builtins/http/client.h"
#include "builtins/http/connections.h"
#include "builtins/strings/charset.h"
#include "runtime/storage.h"
#include "support/format.h"
#include "support/text_codec.h"

namespace quorin::http {
namespace {

// The client of one run, with its connection pools.
struct RunClient {
  SystemConnector connector;
  Client client{connector};
};

Client& client_of(Runtime& rt) {
  if (!rt.http_state) rt.http_state = std::make_shared<RunClient>();
  return static_cast<RunClient*>(rt.http_state.get())->client;
}

bool is_utf8_name(std::u16string_view s) {
  static constexpr std::u16string_view kName = u"utf-8";
  if (s.size() != kName.size()) return false;
  for (size_t i = 0; i < s.size(); ++i) {
    char16_t c = s[i];
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    if (c != kName[i]) return false;
  }
  return true;
}

int32_t request(Runtime& rt, bool post, const Str& url, std::u16string_view data, StrRef response,
                std::u16string_view charset, std::u16string_view cookie, std::u16string_view referer) {
  Request r;
  r.post = post;
  r.url = encode_text(url.view(), codepage::Ansi);
  r.data = encode_text(data, codepage::Ansi);
  r.cookie = encode_text(cookie, codepage::Ansi);
  r.referer = encode_text(referer, codepage::Ansi);
  Response res = client_of(rt).fetch(r);
  const int cp = response_codepage(rt, charset);
  std::u16string text;
  int32_t result;
  if (res.ok) {
    text = decode_bytes(res.body, cp);
    result = 1;
  } else if (res.failure.kind == kHttpFailure) {
    text = res.body_is_message ? decode_bytes(res.body, cp) : res.failure.message;
    result = 0;
  } else {
    text = res.failure.message.empty() ? std::u16string(u"socket error.") : res.failure.message;
    result = -1;
  }
  store<tc::String>(response.addr, make_str(str_new(text)));
  return result;
}

}  // namespace

int response_codepage(const Runtime& rt, std::u16string_view charset) {
  if (is_utf8_name(charset)) return codepage::Utf8;
  if (charset.empty() && is_utf8_name(rt.default_charset)) return codepage::Utf8;
  return codepage::Gbk;
}

int32_t get(Runtime& rt, const Str& url, StrRef response) { return request(rt, false, url, {}, response, {}, {}, {}); }
int32_t get_cs(Runtime& rt, const Str& url, StrRef response, const Str& charset) {
  return request(rt, false, url, {}, response, charset, {}, {});
}
int32_t get_cookie(Runtime& rt, const Str& url, StrRef response, const Str& charset, const Str& cookie) {
  return request(rt, false, url, {}, response, charset, cookie, {});
}
int32_t get_referer(Runtime& rt, const Str& url, StrRef response, const Str& charset, const Str& cookie,
                    const Str& referer) {
  return request(rt, false, url, {}, response, charset, cookie, referer);
}
int32_t post(Runtime& rt, const Str& url, const Str& data, StrRef response) {
  return request(rt, true, url, data, response, {}, {}, {});
}
int32_t post_cs(Runtime& rt, const Str& url, const Str& data, StrRef response, const Str& charset) {
  return request(rt, true, url, data, response, charset, {}, {});
}
int32_t post_cookie(Runtime& rt, const Str& url, const Str& data, StrRef response, const Str& charset,
                    const Str& cookie) {
  return request(rt, true, url, data, response, charset, cookie, {});
}
int32_t post_referer(Runtime& rt, const Str& url, const Str& data, StrRef response, const Str& charset,
                     const Str& cookie, const Str& referer) {
  return request(rt, true, url, data, response, charset, cookie, referer);
}

Str url_encode(Runtime& rt, const Str& text) { return url_encode_cs(rt, text, Str()); }
Str url_encode_cs(Runtime& rt, const Str& text, const Str& charset) {
  return Str(ascii16(form_encode(encode_in(resolve_charset(rt, charset), text.view()))));
}

}  // namespace quorin::http
