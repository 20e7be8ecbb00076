// Registry entries of the HTTP builtins, overloads in registry order.
#include "builtins/http/http_builtins.h"
#include "builtins/tables.h"

namespace quorin {
namespace {

constexpr BuiltinEntry kEntries[] = {
    builtin<&http::get>(u"http_get"),
    builtin<&http::get_cs>(u"http_get"),
    builtin<&http::get_cookie>(u"http_get"),
    builtin<&http::get_referer>(u"http_get"),
    builtin<&http::post>(u"http_post"),
    builtin<&http::post_cs>(u"http_post"),
    builtin<&http::post_cookie>(u"http_post"),
    builtin<&http::post_referer>(u"http_post"),
    builtin<&http::url_encode>(u"url_encode"),
    builtin<&http::url_encode_cs>(u"url_encode"),
};

}  // namespace

BuiltinTable http_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
