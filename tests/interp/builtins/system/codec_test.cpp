#include "builtins/system/codec.h"

#include <gtest/gtest.h>

namespace quorin::sys::codec {
namespace {

TEST(SystemCodec, Md5DigestsBytesExactly) {
  EXPECT_EQ(md5_hex(""), "D41D8CD98F00B204E9800998ECF8427E");
  EXPECT_EQ(md5_hex("abc"), "900150983CD24FB0D6963F7D28E17F72");
  // Zero bytes are digested like any other.
  EXPECT_EQ(md5_hex(std::string("a\0b", 3)), md5_hex(std::string("a\0b", 3)));
  EXPECT_NE(md5_hex(std::string("a\0b", 3)), md5_hex("ab"));
}

TEST(SystemCodec, Base64RoundTripsEveryByteAndLength) {
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  for (size_t n = 0; n <= all.size(); n += 37) {
    const std::string bytes = all.substr(0, n) + all.substr(0, n % 3);
    const std::string text = base64_encode(bytes);
    EXPECT_EQ(text.size() % 4, 0u);
    auto decoded = base64_decode(std::u16string(text.begin(), text.end()));
    ASSERT_TRUE(decoded) << text;
    EXPECT_EQ(*decoded, bytes);
  }
}

TEST(SystemCodec, Base64RejectsMalformedText) {
  for (const char16_t* bad : {u"YQ=", u"Y===", u"====", u"YQ==YQ==", u"Y=Q=", u"Zm9v YmE", u"Zm9v\nYmE=",
                              u"Zm9-", u"Zm9_", u"Zm9\u00e9", u"\u4e2d\u6587ab"}) {
    EXPECT_FALSE(base64_decode(bad));
  }
  EXPECT_TRUE(base64_decode(u""));
  EXPECT_EQ(*base64_decode(u"AA=="), std::string(1, '\0'));
}

TEST(SystemCodec, DecodedSizeFollowsLengthAndPadding) {
  EXPECT_EQ(base64_size_estimate("YQ=="), 1);
  EXPECT_EQ(base64_size_estimate("YWI="), 2);
  EXPECT_EQ(base64_size_estimate("YWJj"), 3);
  EXPECT_EQ(base64_size_estimate("YWJjZA"), 3);  // a partial group counts nothing
  EXPECT_EQ(base64_size_estimate(""), 0);
  EXPECT_EQ(base64_size_estimate("====="), 0);  // never negative
}

TEST(SystemCodec, GuidTextIsUpperCaseFieldOrder) {
  GuidParts g;
  g.data1 = 0x0123ABCD;
  g.data2 = 0x00EF;
  g.data3 = 0xA0B0;
  const uint8_t d4[8] = {0x01, 0xFE, 0, 0x10, 0x20, 0x30, 0x40, 0xFF};
  std::copy(d4, d4 + 8, g.data4);
  EXPECT_EQ(guid_text(g), u"0123ABCD-00EF-A0B0-01FE-0010203040FF");
}

TEST(SystemCodec, ColourTextBothWays) {
  EXPECT_EQ(color_hex(0x1000FF), u"#FF0010");
  EXPECT_EQ(color_hex(-1), u"#FFFFFF");  // the high byte is not part of the colour
  EXPECT_EQ(color_hex_to_int(u"ff0010"), 0x1000FF);
  EXPECT_EQ(color_hex_to_int(u"#a0B1c2"), 0xC2B1A0);
  for (const char16_t* bad : {u"", u"#", u"#FF001", u"FF00100", u"##FF0010", u"GG0010", u" FF0010", u"+F0010"})
    EXPECT_EQ(color_hex_to_int(bad), -1);
  for (int32_t c : {0, 0x123456, 0xFFFFFF, 0x0000FF}) EXPECT_EQ(color_hex_to_int(color_hex(c)), c);
}

}  // namespace
}  // namespace quorin::sys::codec
