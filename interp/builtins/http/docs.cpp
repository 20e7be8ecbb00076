// Reference text of the HTTP client builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"http_get",
     u"向网址发送 GET 请求（自动跟随跳转，支持 https），成功返回 1 并把响应正文按字符集解码写入 response；HTTP 失败返回 0、连接失败返回 -1，此时 response 中是错误信息。可选参数为字符集、Cookie 和 Referer。",
     uR"q(
string body
int r = http_get("https://example.com/api/status", body, "utf-8")
if r == 1
  println("响应: " + body)
elseif r == 0
  println("服务器返回错误: " + body)
else
  println("无法连接: " + body)
endif
)q"},
    {u"http_post",
     u"向网址以 application/x-www-form-urlencoded 发送 POST 数据，结果和可选参数与 http_get 相同。",
     uR"q(
string reply
string form = "user=" + url_encode("张三", "utf-8") + "&score=95"
if http_post("http://example.com/submit", form, reply, "utf-8") == 1
  println(reply)
else
  alert("提交失败: " + reply)
endif
)q"},
    {u"url_encode",
     u"把文字按字符集（省略时为脚本的字符集）编码后做网址编码：空格变为 +，字母、数字和 - . _ 不变，其余字节写成 %XX。",
     uR"q(
println(url_encode("a b&c"))
println(url_encode("中", "utf-8"))
)q",
     u"a+b%26c\n%E4%B8%AD"},
};

constexpr ParamNames kParams[] = {
    {u"http_get", u"url, response, charset, cookie, referer"},
    {u"http_post", u"url, data, response, charset, cookie, referer"},
    {u"url_encode", u"text, charset"},
};

}  // namespace

FamilyDocs http_docs() { return {u"http", u"HTTP 客户端", kDocs, kParams}; }

}  // namespace quorin
