// The HTTP builtins: http_get and http_post (1 success, 0 HTTP failure,
// -1 connection failure; the response text, or the failure's message, goes
// to the string variable) and url_encode.
#pragma once
#include <cstdint>
#include <string_view>

#include "runtime/native.h"

namespace quorin::http {

using StrRef = ByRef<tc::String + 21>;

// The code page a response body is decoded with: UTF-8 for "utf-8" (any
// case), for "" when the run's default charset is UTF-8; GBK otherwise.
int response_codepage(const Runtime& rt, std::u16string_view charset);

int32_t get(Runtime& rt, const Str& url, StrRef response);
int32_t get_cs(Runtime& rt, const Str& url, StrRef response, const Str& charset);
int32_t get_cookie(Runtime& rt, const Str& url, StrRef response, const Str& charset, const Str& cookie);
int32_t get_referer(Runtime& rt, const Str& url, StrRef response, const Str& charset, const Str& cookie,
                    const Str& referer);
int32_t post(Runtime& rt, const Str& url, const Str& data, StrRef response);
int32_t post_cs(Runtime& rt, const Str& url, const Str& data, StrRef response, const Str& charset);
int32_t post_cookie(Runtime& rt, const Str& url, const Str& data, StrRef response, const Str& charset,
                    const Str& cookie);
int32_t post_referer(Runtime& rt, const Str& url, const Str& data, StrRef response, const Str& charset,
                     const Str& cookie, const Str& referer);

Str url_encode(Runtime& rt, const Str& text);
Str url_encode_cs(Runtime& rt, const Str& text, const Str& charset);

}  // namespace quorin::http
