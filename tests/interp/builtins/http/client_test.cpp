// The request logic over scripted servers: URLs, request text, redirects,
// the retry without keep-alive and the connection pools.
#include <gtest/gtest.h>

#include "builtins/http/client.h"
#include "builtins/http/http_builtins.h"
#include "interp/builtins/http/memory_stream.h"
#include "interp/builtins/strings/strings_test_support.h"
#include "support/format.h"

namespace quorin::http {
namespace {

using testing::ScriptedServer;

std::string ok(std::string_view body) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + std::string(body);
}

std::string path_of(const std::string& request) {
  size_t sp = request.find(' ');
  return request.substr(sp + 1, request.find(' ', sp + 1) - sp - 1);
}

TEST(HttpUrl, Parts) {
  auto u = parse_url("https://Example.com:8443/a/b?x=1#frag");
  ASSERT_TRUE(u);
  EXPECT_EQ(u->host, "Example.com");
  EXPECT_EQ(u->port, 8443);
  EXPECT_EQ(u->path, "/a/b?x=1");
  EXPECT_FALSE(u->tls());  // TLS exactly on port 443
  EXPECT_TRUE(parse_url("HTTPS://h")->tls());
  EXPECT_EQ(parse_url("https://h")->path, "/");
  EXPECT_EQ(parse_url("http://h?q")->path, "/?q");
  EXPECT_EQ(parse_url("//h:443/x")->port, 443);
  EXPECT_TRUE(parse_url("http://h:443/")->tls());
  for (const char* bad : {"ftp://h/", "h/x", "http:/h", "http://", "http://:80/", "http://h:/", "http://h:0/",
                          "http://h:65536/", "http://h:8a/", "http://u@h/", "http://h x/"})
    EXPECT_FALSE(parse_url(bad)) << bad;
}

TEST(HttpUrl, RedirectTargets) {
  Url base = *parse_url("http://h:8080/dir/page?q=1");
  EXPECT_EQ(resolve_location(base, "https://o/x"), "https://o/x");
  EXPECT_EQ(resolve_location(base, "/root"), "http://h:8080/root");
  EXPECT_EQ(resolve_location(base, "next?a"), "http://h:8080/dir/next?a");
  EXPECT_EQ(resolve_location(*parse_url("https://s/a"), "/b"), "https://s/b");
}

TEST(HttpRequest, TextOfGetAndPost) {
  RequestText get;
  EXPECT_EQ(build_request(*parse_url("http://h/p?q"), get),
            "GET /p?q HTTP/1.1\r\nAccept: */*\r\nAccept-Language: zh-cn\r\nUser-Agent: Mozilla/5.0 (Windows NT 6.1) "
            "AppleWebKit/537.36 (KHTML, like Gecko) Chrome/92.0.4515.131 Safari/537.36\r\nHost: h\r\n"
            "Connection: keep-alive\r\n\r\n");
  RequestText post;
  post.post = true;
  post.keep_alive = false;
  post.data = "a=1";
  post.cookie = "c=d";
  post.referer = "http://r/";
  std::string text = build_request(*parse_url("http://h:81/"), post);
  EXPECT_EQ(text.substr(0, 21), "POST / HTTP/1.0\r\nAcce");
  EXPECT_NE(text.find("\r\nHost: h:81\r\nReferer: http://r/\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                      "Content-Length: 3\r\nConnection: close\r\nCookie: c=d\r\n\r\na=1"),
            std::string::npos);
  EXPECT_NE(build_request(*parse_url("https://h/"), get).find("\r\nHost: h\r\n"), std::string::npos);
}

TEST(HttpClient, RedirectDepthLimit) {
  ScriptedServer server;
  server.serve = [](const std::string& req, int, int) {
    int n = std::stoi(path_of(req).substr(1));
    if (n == 0) return ok("arrived");
    return "HTTP/1.1 302 Found\r\nLocation: /" + std::to_string(n - 1) + "\r\nContent-Length: 0\r\n\r\n";
  };
  Client client(server);
  Response seven = client.fetch({false, "http://h/7", "", "", ""});
  ASSERT_TRUE(seven.ok) << to_utf8(seven.failure.message);
  EXPECT_EQ(seven.body, "arrived");
  EXPECT_EQ(server.connections, 1);  // every hop on the kept connection
  EXPECT_EQ(server.requests.size(), 8u);

  server.requests.clear();
  Response eight = client.fetch({true, "http://h/8", "x=1", "", ""});
  EXPECT_FALSE(eight.ok);
  EXPECT_EQ(eight.failure.message, u"HTTP连继跳转已超过允许的次数。");
  // Eight requests, the first a POST and the redirected ones GETs; the limit is not retried.
  ASSERT_EQ(server.requests.size(), 8u);
  EXPECT_EQ(server.requests[0].substr(0, 5), "POST ");
  EXPECT_EQ(server.requests[1].substr(0, 4), "GET ");
}

TEST(HttpClient, BrokenKeptConnectionIsRetriedWithoutKeepAlive) {
  ScriptedServer server;
  // The first connection's answer ends in the middle; later ones are fine.
  server.serve = [](const std::string& req, int conn, int) {
    return conn == 1 ? std::string("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc") : ok("whole");
  };
  Client client(server);
  Response r = client.fetch({false, "http://h/x", "", "", ""});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.body, "whole");
  ASSERT_EQ(server.requests.size(), 2u);
  EXPECT_NE(server.requests[1].find(" HTTP/1.0\r\n"), std::string::npos);
  EXPECT_NE(server.requests[1].find("Connection: close"), std::string::npos);
  EXPECT_EQ(client.pools().idle(false), 0u);  // a connection: close request is not kept
}

TEST(HttpClient, AnsweredFailuresAreNotAskedAgain) {
  ScriptedServer server;
  server.serve = [](const std::string& req, int, int) {
    std::string p = path_of(req);
    if (p == "/404") return std::string("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\nnone");
    if (p == "/gzip") return std::string("HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nContent-Length: 1\r\n\r\nz");
    return std::string("HTTP/1.1 500 Oops\r\nContent-Length: 6\r\n\r\nbroken");
  };
  Client client(server);
  Response nf = client.fetch({true, "http://h/404", "a", "", ""});
  EXPECT_EQ(nf.failure.message, u"404 Not Found - 文件不存在");
  Response gz = client.fetch({false, "http://h/gzip", "", "", ""});
  EXPECT_EQ(gz.failure.message, u"暂不支持处理 header.contentEncoding:gzip");
  Response oops = client.fetch({true, "http://h/500", "", "", ""});
  EXPECT_EQ(oops.failure.kind, kHttpFailure);
  EXPECT_TRUE(oops.body_is_message);
  EXPECT_EQ(oops.body, "broken");
  EXPECT_EQ(server.requests.size(), 3u);
}

TEST(HttpClient, PoolsKeepConnectionsPerHostPortAndKind) {
  ScriptedServer server;
  server.serve = [](const std::string& req, int conn, int n) {
    if (path_of(req) == "/close")
      return std::string("HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: 2\r\n\r\nok");
    return ok(std::to_string(conn) + "." + std::to_string(n));
  };
  Client client(server);
  EXPECT_EQ(client.fetch({false, "http://h/", "", "", ""}).body, "1.1");
  EXPECT_EQ(client.fetch({false, "http://h/", "", "", ""}).body, "1.2");
  EXPECT_EQ(client.fetch({false, "http://h:81/", "", "", ""}).body, "2.1");
  EXPECT_EQ(client.fetch({false, "https://h/", "", "", ""}).body, "3.1");
  EXPECT_EQ(client.fetch({false, "http://h:443/", "", "", ""}).body, "3.2");  // the same TLS key
  EXPECT_EQ(client.pools().idle(true), 1u);
  EXPECT_EQ(client.pools().idle(false), 2u);
  EXPECT_EQ(client.fetch({false, "http://h/close", "", "", ""}).body, "ok");
  EXPECT_EQ(client.pools().idle(false), 1u);  // the one answering "close" is dropped
  EXPECT_EQ(client.fetch({false, "http://h/", "", "", ""}).body, "4.1");
  EXPECT_EQ(server.hosts[2], "h:443 tls");

  Response refused = client.fetch({false, "http://h:1/", "", "", ""});
  EXPECT_EQ(refused.failure.kind, kConnectionFailure);
  EXPECT_EQ(server.hosts.size(), 6u);  // refused twice: with and without keep-alive
}

class HttpCharsetTest : public strings_test::StringsTest {};

TEST_F(HttpCharsetTest, ResponseCharsetRule) {
  rt.default_charset = u"utf-8";
  EXPECT_EQ(response_codepage(rt, u""), 65001);
  EXPECT_EQ(response_codepage(rt, u"UTF-8"), 65001);
  EXPECT_EQ(response_codepage(rt, u"big5"), 936);
  EXPECT_EQ(response_codepage(rt, u"no-such"), 936);
  rt.default_charset = u"gbk";
  EXPECT_EQ(response_codepage(rt, u""), 936);
  EXPECT_EQ(response_codepage(rt, u"utf-8"), 65001);
  EXPECT_EQ(url_encode_cs(rt, Str(u"中 &"), Str(u"utf-8")).view(), u"%E4%B8%AD+%26");
  EXPECT_EQ(url_encode(rt, Str(u"中")).view(), u"%D6%D0");  // the run's default charset
}

}  // namespace
}  // namespace quorin::http
