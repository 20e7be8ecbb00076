#include "strings_test_support.h"

namespace quorin::strings_test {
namespace {

using namespace quorin::strings;

using Slice = StringsTest;

TEST_F(Slice, CharAtAndItsIndexError) {
  EXPECT_EQ(char_at(rt, u"abc", 2), u'c');
  EXPECT_EQ(char_at(rt, u"\U0001F600", 1), u'\xDE00');
  EXPECT_EQ(error_of([&] { char_at(rt, u"abc", 3); }),
            u"运行时错误：\n\n行: 7, char_at('abc ...', 3) 字符串索引超出界限.\n\n字符串长度: 3, 索引位置: 3");
  // The text is cut to 32 units.
  Str longer(std::u16string(40, u'x'));
  EXPECT_EQ(error_of([&] { char_at(rt, longer, -1); }),
            u"运行时错误：\n\n行: 7, char_at('" + std::u16string(32, u'x') +
                u" ...', -1) 字符串索引超出界限.\n\n字符串长度: 40, 索引位置: -1");
}

TEST_F(Slice, Mid) {
  EXPECT_EQ(mid_rest(rt, u"abc", 3).str(), u"");
  EXPECT_EQ(mid_rest(rt, u"abc", 1).str(), u"bc");
  EXPECT_EQ(mid(rt, u"abc", 1, 10).str(), u"bc");
  EXPECT_EQ(mid(rt, u"abc", 0, 2).str(), u"ab");
  EXPECT_EQ(mid(rt, u"abc", 3, 0).str(), u"");
  EXPECT_EQ(mid(rt, u"abc", 1, 2147483647).str(), u"bc");
  EXPECT_EQ(error_of([&] { mid_rest(rt, u"abc", 4); }),
            u"运行时错误：\n\n行: 7, mid('abc ...', 4) 字符串索引超出界限.\n\n字符串长度: 3, 索引位置: 4");
  EXPECT_EQ(error_of([&] { mid(rt, u"abc", -1, 1); }),
            u"运行时错误：\n\n行: 7, mid('abc ...', -1) 字符串索引超出界限.\n\n字符串长度: 3, 索引位置: -1");
  EXPECT_EQ(error_of([&] { mid(rt, u"abc", 1, -2); }), u"运行时错误：\n\n行: 7, mid('abc ...', 1, -2) 第3个参数不能小于0");
}

TEST_F(Slice, LeftRightSpace) {
  EXPECT_EQ(left(rt, u"abc", 10).str(), u"abc");
  EXPECT_EQ(left(rt, u"abc", 2).str(), u"ab");
  EXPECT_EQ(right(rt, u"abc", 0).str(), u"");
  EXPECT_EQ(right(rt, u"abc", 2).str(), u"bc");
  EXPECT_EQ(right(rt, u"abc", 9).str(), u"abc");
  Str longer(u"0123456789abcdefXYZ");
  EXPECT_EQ(error_of([&] { left(rt, longer, -1); }),
            u"运行时错误：\n\n行: 7, left('0123456789abcdef ...', -1) 函数的第2个参数不能小于 0");
  EXPECT_EQ(error_of([&] { right(rt, u"ab", -3); }), u"运行时错误：\n\n行: 7, right('ab ...', -3) 函数的第2个参数不能小于 0");
  EXPECT_EQ(space(3).str(), u"   ");
  EXPECT_EQ(space(0).str(), u"");
  EXPECT_EQ(space(-5).str(), u"");
}

}  // namespace
}  // namespace quorin::strings_test
