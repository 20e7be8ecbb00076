#include "support/text_codec.h"

#include <gtest/gtest.h>

#include "support/format.h"

namespace quorin {
namespace {

TEST(TextCodec, CharsetNames) {
  EXPECT_EQ(codepage_of_charset(u" GBK\t"), codepage::Gbk);
  EXPECT_EQ(codepage_of_charset(u"gb2312"), codepage::Gbk);
  EXPECT_EQ(codepage_of_charset(u"GB18030"), codepage::Gb18030);
  EXPECT_EQ(codepage_of_charset(u"Big5"), codepage::Big5);
  EXPECT_EQ(codepage_of_charset(u"UTF-8"), codepage::Utf8);
  EXPECT_EQ(codepage_of_charset(u"UCS-2"), codepage::Utf16le);
  EXPECT_EQ(codepage_of_charset(u"  "), codepage::Ansi);
  EXPECT_EQ(codepage_of_charset(u"utf8"), std::nullopt);
  EXPECT_EQ(codepage_of_charset(u"g bk"), std::nullopt);
}

TEST(TextCodec, ChineseCodePagesRoundTrip) {
  const std::u16string text = u"中文 abc";
  EXPECT_EQ(encode_text(text, codepage::Gbk), "\xD6\xD0\xCE\xC4 abc");
  EXPECT_EQ(decode_bytes("\xD6\xD0\xCE\xC4 abc", codepage::Gbk), text);
  EXPECT_EQ(encode_text(u"中", codepage::Big5), "\xA4\xA4");
  EXPECT_EQ(decode_bytes("\xA4\xA4", codepage::Big5), u"中");
  EXPECT_EQ(encode_text(text, codepage::Utf8), "\xE4\xB8\xAD\xE6\x96\x87 abc");
  EXPECT_EQ(decode_bytes("\xE4\xB8\xAD\xE6\x96\x87 abc", codepage::Utf8), text);
}

TEST(TextCodec, CharactersOutsideTheBasicPlane) {
  const std::u16string smile = u"a\U0001F600b";
  ASSERT_EQ(smile.size(), 4u);
  EXPECT_EQ(encode_text(smile, codepage::Utf8), "a\xF0\x9F\x98\x80"
                                                "b");
  EXPECT_EQ(decode_bytes("a\xF0\x9F\x98\x80"
                         "b",
                         codepage::Utf8),
            smile);
  // GBK has no such character: the default character per UTF-16 unit.
  EXPECT_EQ(encode_text(smile, codepage::Gbk), "a??b");
}

// Whether the system converts GB18030 (Wine 8 has no table for it).
bool have_gb18030() { return !encode_text(u"中", codepage::Gb18030).empty(); }

TEST(TextCodec, Gb18030MapsEveryCodePoint) {
  if (!have_gb18030()) GTEST_SKIP() << "no GB18030 conversion on this system";
  const std::u16string smile = u"a\U0001F600b";
  const std::string gb = encode_text(smile, codepage::Gb18030);
  EXPECT_EQ(gb, "a\x94\x39\xFC\x36"
                "b");
  EXPECT_EQ(decode_bytes(gb, codepage::Gb18030), smile);
  EXPECT_EQ(encode_text(u"中", codepage::Gb18030), "\xD6\xD0");
}

TEST(TextCodec, UnmappableAndLoneSurrogates) {
  // Thai has neither a Big5 form nor a best-fit stand-in on any platform.
  EXPECT_EQ(encode_text(u"x\u0E01y", codepage::Big5), "x?y");
  const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
  EXPECT_EQ(encode_text(lone, codepage::Utf8), "a\xEF\xBF\xBD"
                                               "b\xEF\xBF\xBD");
  EXPECT_EQ(encode_text(lone, codepage::Gbk), "a?b?");
  const char16_t high_at_end[] = {u'a', 0xD83D, 0};
  EXPECT_EQ(encode_text(high_at_end, codepage::Gbk), "a?");
}

TEST(TextCodec, RawUtf16) {
  EXPECT_EQ(encode_text(u"A中", codepage::Utf16le), std::string("A\0\x2D\x4E", 4));
  // An odd last byte has no partner.
  EXPECT_EQ(decode_bytes(std::string("A\0\x2D\x4E\x7F", 5), codepage::Utf16le), u"A中");
}

TEST(TextCodec, NulBytesAndEmptyInput) {
  EXPECT_EQ(decode_bytes(std::string("a\0b", 3), codepage::Gbk), std::u16string(u"a\0b", 3));
  EXPECT_EQ(decode_bytes("", codepage::Utf8), u"");
  EXPECT_EQ(encode_text(u"", codepage::Gbk), "");
}

#ifndef _WIN32
// Replacement details of the native conversions (Windows uses its own).
TEST(TextCodec, InvalidInputBecomesReplacementCharacters) {
  // Overlong form, a surrogate, a value beyond U+10FFFF, a cut-off sequence.
  EXPECT_EQ(decode_bytes("a\xC0\xAF"
                         "b",
                         codepage::Utf8),
            u"a\uFFFD\uFFFDb");
  EXPECT_EQ(decode_bytes("\xED\xA0\x80", codepage::Utf8), u"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(decode_bytes("\xF4\x90\x80\x80", codepage::Utf8), u"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(decode_bytes("x\xE4\xB8", codepage::Utf8), u"x\uFFFD");
  EXPECT_EQ(decode_bytes("\xE4\xB8z", codepage::Utf8), u"\uFFFDz");
  // The program's own UTF-8 reader (arguments, reports) decodes as the codec does.
  for (const char* bytes : {"a\xC0\xAF"
                            "b",
                            "\xED\xA0\x80", "\xF4\x90\x80\x80", "x\xE4\xB8", "\xE4\xB8z", "\xF0\x9F\x98\x80\xE4\xB8\xAD"})
    EXPECT_EQ(from_utf8(bytes), decode_bytes(bytes, codepage::Utf8)) << bytes;
  // GBK: a lead byte at the end, and one followed by a byte that cannot trail.
  EXPECT_EQ(decode_bytes("ab\x81", codepage::Gbk), u"ab\uFFFD");
  EXPECT_EQ(decode_bytes("\xFF"
                         "c\xD6\xD0",
                         codepage::Gbk),
            u"\uFFFDc中");
}

TEST(TextCodec, AnsiIsGbkNatively) {
  EXPECT_EQ(decode_bytes("\xD6\xD0", codepage::Ansi), u"中");
  EXPECT_EQ(encode_text(u"中", codepage::Ansi), "\xD6\xD0");
}

TEST(TextCodec, UnknownCodePageGivesNothing) {
  EXPECT_EQ(decode_bytes("\xE9", 1252), u"");
  EXPECT_EQ(encode_text(u"\u00E9", 1252), "");
}
#endif

TEST(TextCodec, LongMixedTextSurvivesBufferGrowth) {
  std::u16string text;
  for (int i = 0; i < 5000; ++i) text += u"汉\U00020BB7x";
  for (int cp : {codepage::Utf8, codepage::Gb18030}) {
    if (cp == codepage::Gb18030 && !have_gb18030()) continue;
    EXPECT_EQ(decode_bytes(encode_text(text, cp), cp), text) << cp;
  }
}

}  // namespace
}  // namespace quorin
