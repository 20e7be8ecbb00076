#include <cstring>

#include "strings_test_support.h"
#include "support/text_codec.h"

namespace quorin::strings_test {
namespace {

using namespace quorin::strings;

class Charsets : public StringsTest {
 protected:
  Charsets() { bytes.elem = tc::Byte; }
  ~Charsets() override { array_free_storage(bytes); }
  ArrayArg<tc::ArrayBase + tc::Byte> array_of(int32_t n) {
    array_build(bytes, 1, &n);
    return {&bytes, u"b"};
  }
  ArrayArg<tc::ArrayBase + tc::Byte> array_holding(std::string_view content) {
    auto a = array_of(static_cast<int32_t>(content.size()));
    std::memcpy(bytes.data, content.data(), content.size());
    return a;
  }
  std::string contents() const { return std::string(static_cast<const char*>(bytes.data), bytes.count); }
  ArrayObj bytes;
};

TEST_F(Charsets, ByteLengthByCharset) {
  EXPECT_EQ(len_byte(rt, u"中a", u"utf-8"), 4);
  EXPECT_EQ(len_byte(rt, u"中a", u"gbk"), 3);
  EXPECT_EQ(len_byte(rt, u"中a", u"GB2312"), 3);
  if (!encode_text(u"中", codepage::Gb18030).empty()) {  // Wine lacks GB18030
    EXPECT_EQ(len_byte(rt, u"中a", u"gb18030"), 3);
  }
  EXPECT_EQ(len_byte(rt, u"中a", u"big5"), 3);
  EXPECT_EQ(len_byte(rt, u"中a", u"ucs-2"), 4);
  EXPECT_EQ(len_byte(rt, u"中a", u"latin-1"), 0);  // unknown: no bytes, no error
  EXPECT_EQ(len_byte(rt, u"\U0001F600", u"utf-8"), 4);
  EXPECT_EQ(len_byte(rt, u"\U0001F600", u"UCS-2"), 4);
  EXPECT_TRUE(ui.errors.empty());
}

TEST_F(Charsets, OmittedOrEmptyNameMeansTheScriptsCharset) {
  rt.default_charset = u"utf-8";
  EXPECT_EQ(len_byte_default(rt, u"中a"), 4);
  EXPECT_EQ(len_byte(rt, u"中a", u""), 4);
  rt.default_charset = u"";  // read in the ANSI code page (GBK here)
  EXPECT_EQ(len_byte_default(rt, u"中a"), 3);
  EXPECT_EQ(len_byte(rt, u"中a", u""), 3);
}

TEST_F(Charsets, StringToByteArray) {
  auto b = array_of(4);
  EXPECT_EQ(string_to_byte_array(rt, u"abc", b, 2, u"utf-8"), 2);
  EXPECT_EQ(contents(), std::string("ab\0\0", 4));
  // Never past the array, whatever the count says.
  EXPECT_EQ(string_to_byte_array(rt, u"abcdefgh", b, 100, u"utf-8"), 4);
  EXPECT_EQ(contents(), "abcd");
  b = array_of(8);
  EXPECT_EQ(string_to_byte_array(rt, u"中a", b, 8, u"ucs-2"), 4);
  EXPECT_EQ(contents().substr(0, 4), std::string("\x2D\x4E\x61\x00", 4));
  b = array_of(8);
  EXPECT_EQ(string_to_byte_array(rt, u"中a", b, 8, u"gbk"), 3);
  EXPECT_EQ(contents().substr(0, 3), "\xD6\xD0\x61");
  EXPECT_EQ(string_to_byte_array(rt, u"abc", b, 8, u"koi8"), 0);
  EXPECT_EQ(string_to_byte_array(rt, u"abc", b, -1, u"utf-8"), 0);
  rt.default_charset = u"utf-8";
  EXPECT_EQ(string_to_byte_array_default(rt, u"中", b, 8), 3);
}

TEST_F(Charsets, ByteArrayToString) {
  auto b = array_holding("\xD6\xD0\x61");
  EXPECT_EQ(byte_array_to_string(rt, b, 3, u"gbk").str(), u"中a");
  EXPECT_EQ(byte_array_to_string(rt, b, 2, u"gbk").str(), u"中");
  EXPECT_EQ(byte_array_to_string(rt, b, 50, u"gbk").str(), u"中a");  // limited to the array
  EXPECT_EQ(byte_array_to_string(rt, b, 0, u"gbk").str(), u"");
  EXPECT_EQ(byte_array_to_string(rt, b, 3, u"nope").str(), u"");
  b = array_holding(std::string("\x2D\x4E\x61\x00\x62", 5));
  EXPECT_EQ(byte_array_to_string(rt, b, 5, u"ucs-2").str(), u"中a");  // odd last byte ignored
  b = array_holding(std::string("ab\0cd", 5));
  EXPECT_EQ(byte_array_to_string(rt, b, 5, u"utf-8").str(), u"ab");  // U+0000 ends the text
  rt.default_charset = u"utf-8";
  b = array_holding("\xE4\xB8\xAD");
  EXPECT_EQ(byte_array_to_string_default(rt, b, 3).str(), u"中");
}

}  // namespace
}  // namespace quorin::strings_test
