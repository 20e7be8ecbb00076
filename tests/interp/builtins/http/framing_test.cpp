// Response framing over arbitrary splits of the server's bytes, and the
// failure texts of each limit.
#include <gtest/gtest.h>

#include "builtins/http/response.h"
#include "interp/builtins/http/memory_stream.h"
#include "support/format.h"

namespace quorin::http {
namespace {

using testing::PieceStream;

struct Outcome {
  bool ok = false;
  ResponseHead head;
  std::string body;
  bool complete = false;
  Failure f;
};

Outcome read_all(const std::string& bytes, std::vector<int> pieces = {1 << 20}, bool fail_at_end = false) {
  PieceStream s(bytes, std::move(pieces), fail_at_end);
  Reader in(s);
  Outcome o;
  o.ok = read_head(in, o.head, o.f) && read_body(in, o.head, o.body, o.complete, o.f);
  return o;
}

std::string message(const Outcome& o) { return to_utf8(o.f.message); }

TEST(HttpFraming, ChunkedBodiesSurviveEverySplit) {
  const std::string response =
      "HTTP/1.1 200 OK\r\ntransfer-encoding: Chunked\r\n\r\n"
      "0x3\r\nabc\r\nA;ext=1\r\n0123456789\r\n0X1f\r\n" + std::string(31, 'x') +
      "\r\n1\r\n!\r\n0\r\nTrailer: t\r\n\r\n";
  for (int piece = 1; piece <= 9; ++piece) {
    Outcome o = read_all(response, {piece, piece + 3, 1});
    ASSERT_TRUE(o.ok) << piece << ": " << message(o);
    EXPECT_EQ(o.body, "abc0123456789" + std::string(31, 'x') + "!");
    EXPECT_TRUE(o.complete);
  }
  Outcome hello = read_all("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n");
  EXPECT_EQ(hello.body, "hello");
}

TEST(HttpFraming, BrokenChunksAreRefused) {
  const std::string head = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
  EXPECT_EQ(message(read_all(head + "zz\r\nhello\r\n0\r\n\r\n")), "不正常: 这里就有问题了, chunksize:-1");
  EXPECT_EQ(message(read_all(head + "FFFFFFFFF\r\n")), "不正常: 这里就有问题了, chunksize:-1");
  EXPECT_EQ(message(read_all(head + "5\r\nhelloXX\r\n0\r\n\r\n")), "不正常: 这里就有问题了, chunksize:5");
  EXPECT_EQ(message(read_all(head + std::string(9000, '1'))),
            "读取完 HTTP_BUFFER_SIZE 长度, 也没有找到 chunk 最后一个结束符");
  EXPECT_EQ(message(read_all(head + "5\r\nhel")),
            "(fileSize:未定义, readTotal:3), (header.isChunked:1, isChunkReceiveCompleted:0)");
  Outcome cut = read_all(head + "5\r\nhello\r\n");
  EXPECT_EQ(message(cut), "读取chunk最后的结束符时出错: syCount:0, bufferSize:8192, ret:0, errno:0");
  EXPECT_TRUE(cut.f.broken);
  // Sizes adding up beyond 10 MiB stop before the data is read.
  EXPECT_EQ(message(read_all(head + "A00000\r\n" + std::string(0xA00000, 'x') + "\r\n1\r\n")),
            "chunk 数据总大小:10485761, 大于10M");
}

TEST(HttpFraming, ContentLengthBodies) {
  Outcome o = read_all("HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello", {2});
  ASSERT_TRUE(o.ok);
  EXPECT_EQ(o.body, "hello");
  EXPECT_TRUE(o.complete);
  EXPECT_FALSE(o.head.keeps_open());  // HTTP/1.0 without keep-alive

  EXPECT_EQ(message(read_all("HTTP/1.1 200 OK\r\nContent-Length: 10485761\r\n\r\n")),
            "header.contentLength: 10485761, 大于10M");
  EXPECT_TRUE(read_all("HTTP/1.1 200 OK\r\nContent-Length: 10485760\r\n\r\n" + std::string(10485760, 'x')).ok);
  EXPECT_EQ(message(read_all("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello world")),
            "读取的数据大小:11, http header 返回的 Content-Length:5");
  Outcome ended = read_all("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n0123456789");
  EXPECT_EQ(message(ended), "读取失败3: body大小:100, 实际接收到的body大小:10, ret:0, errno:0");
  EXPECT_TRUE(ended.f.broken);
  EXPECT_EQ(message(read_all("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n0123456789", {4}, true)),
            "文件大小:100, 实际接收到的文件大小:10, ret:-1, errno:110");
  // A length that cannot be read, or two that disagree, is refused.
  EXPECT_FALSE(read_all("HTTP/1.1 200 OK\r\nContent-Length: 5x\r\n\r\nhello").ok);
  EXPECT_FALSE(read_all("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\nhello").ok);
}

TEST(HttpFraming, BodiesEndingWithTheConnection) {
  Outcome o = read_all("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nclose-delimited", {3});
  ASSERT_TRUE(o.ok);
  EXPECT_EQ(o.body, "close-delimited");
  EXPECT_FALSE(o.complete);
  EXPECT_EQ(message(read_all("HTTP/1.1 200 OK\r\n\r\nabc", {1}, true)),
            "(fileSize:未定义, readTotal:3), (header.isChunked:0, isChunkReceiveCompleted:0)");
  EXPECT_EQ(message(read_all("HTTP/1.1 200 OK\r\n\r\n" + std::string(10485761, 'x'))),
            "header.contentLength: -1, readTotal:10485761 > 10M");
  // No body at all for 204 and 304, whatever the connection does.
  Outcome empty = read_all("HTTP/1.1 204 No Content\r\n\r\n", {1}, true);
  EXPECT_TRUE(empty.ok);
  EXPECT_TRUE(empty.complete);
}

TEST(HttpFraming, HeadLimitAndInterimAnswers) {
  // A head of exactly 8192 bytes fits; one byte more does not.
  std::string start = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nX: ";
  std::string fill(8192 - start.size() - 4, 'f');
  Outcome fits = read_all(start + fill + "\r\n\r\nok", {1000});
  ASSERT_TRUE(fits.ok) << message(fits);
  EXPECT_EQ(fits.head.text.size(), 8192u);
  EXPECT_EQ(fits.body, "ok");
  EXPECT_EQ(message(read_all(start + fill + "f\r\n\r\nok", {1000})),
            "读取 HTTP_BUFFER_SIZE 字节, 还没有读取完整个 HTTP Head.");

  Outcome cont = read_all("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\n"
                          "Content-Length: 2\r\nContent-Type: text/html; Charset=\"GBK\"\r\n\r\nok",
                          {5});
  ASSERT_TRUE(cont.ok);
  EXPECT_EQ(cont.head.status, 200);
  EXPECT_EQ(cont.head.charset, "GBK");
  EXPECT_EQ(cont.body, "ok");

  Outcome none = read_all("HTTP/1.1 2");
  EXPECT_EQ(none.f.kind, kConnectionFailure);
  EXPECT_TRUE(none.f.broken);
  EXPECT_EQ(message(read_all("SSH-2.0-server\r\n\r\n")), "HTTP 响应头格式不正确: SSH-2.0-server");
}

}  // namespace
}  // namespace quorin::http
