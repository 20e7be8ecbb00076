#include "frontend/encoded_script.h"

#include <gtest/gtest.h>

#include "frontend/source_loader.h"
#include "temp_dir.h"

namespace quorin {
namespace {

using testing::TempDir;

TEST(Rc4, PublishedTestVectors) {
  auto run = [](std::string key, std::string data) {
    Rc4(reinterpret_cast<const uint8_t*>(key.data()), key.size()).apply(data);
    return data;
  };
  EXPECT_EQ(run("Key", "Plaintext"), "\xBB\xF3\x16\xE8\xD9\x40\xAF\x0A\xD3");
  EXPECT_EQ(run("Secret", "Attack at dawn"), "\x45\xA0\x1F\x64\x5F\xC3\x5B\x38\x35\x52\x54\x4B\x9B\xF5");
}

TEST(EncodedScript, BodyKeyReversesUpToTheFirstZero) {
  EXPECT_EQ(qe_body_key("abc"), "cba");
  EXPECT_EQ(qe_body_key(std::string("ab\0cd", 5)), std::string("ba\0cd", 5));
  EXPECT_EQ(qe_program_key(), qe_program_key());
}

TEST(EncodedScript, RoundTripThroughTheLoader) {
  TempDir dir;
  const std::string plain = "s = \"\xD6\xD0\"\r\nx = 1\r\n";  // GBK body
  for (std::string key : {std::string("k"), std::string("0123456789abcdef"), std::string("ab\0cd", 5)}) {
    const std::string file = encode_qe(plain, key, 7);
    ASSERT_EQ(file.size(), 2 + key.size() + plain.size());
    EXPECT_EQ(static_cast<unsigned char>(file[0]), 7);
    std::string back;
    ASSERT_EQ(decode_qe(file, back), QeStatus::Ok);
    EXPECT_EQ(back, plain);
    // The body is not stored in the clear.
    EXPECT_EQ(file.find("x = 1"), std::string::npos);
  }
  const auto path = dir.write("Enc.QE", encode_qe(plain, "inner-key"));
  auto r = read_source(path, std::nullopt, false);
  ASSERT_TRUE(r.ok) << std::string(r.error.begin(), r.error.end());
#ifndef _WIN32
  EXPECT_EQ(r.text, u"s = \"中\"\r\nx = 1\r\n");
#endif
  EXPECT_EQ(r.charset, u"");
  // Forced charsets apply to the deciphered body too.
  EXPECT_EQ(read_source(path, u"gbk", false).text, u"s = \"中\"\r\nx = 1\r\n");
  // A header with an empty body is a valid, empty script.
  auto empty_body = read_source(dir.write("e.qe", encode_qe("", "kk")), std::nullopt, false);
  EXPECT_TRUE(empty_body.ok);
  EXPECT_EQ(empty_body.text, u"");
}

TEST(EncodedScript, EachFailureHasItsMessage) {
  TempDir dir;
  auto error_of = [&](std::string_view name, std::string_view bytes) {
    return read_source(dir.write(name, bytes), std::nullopt, false).error;
  };
  EXPECT_EQ(read_source(dir.path("none.qe"), std::nullopt, false).error, u"文件不存在");
  EXPECT_EQ(error_of("empty.qe", ""), u"这是一个空白文件");
  EXPECT_EQ(read_source(dir.write("quiet.qe", ""), std::nullopt, true).error, u"这是一个空白文件");
  EXPECT_EQ(error_of("one.qe", "\x01"), u"文件结构错误");
  // n + 1 >= size: a key that runs to the end or beyond (a truncated file).
  EXPECT_EQ(error_of("n1.qe", "\x01\x02\xAA"), u"文件结构错误");
  EXPECT_EQ(error_of("n2.qe", "\x01\x03\xAA\xBB"), u"文件结构错误");
  EXPECT_EQ(error_of("cut.qe", encode_qe("script body", "0123456789").substr(0, 8)), u"文件结构错误");
  // An empty inner key cannot key the cipher.
  EXPECT_EQ(error_of("n0.qe", std::string("\x01\x00xyz", 5)), u"文件结构错误");
  EXPECT_EQ(read_source(dir.mkdir("dir.qe"), std::nullopt, false).error, u"文件无法打开");
  EXPECT_EQ(qe_status_message(QeStatus::ReadFailed), u"文件读取失败");
  EXPECT_EQ(qe_status_message(QeStatus::Other), u"文件无法打开2");
}

}  // namespace
}  // namespace quorin
