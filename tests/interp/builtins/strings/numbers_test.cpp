#include <cmath>
#include <limits>

#include "strings_test_support.h"

namespace quorin::strings_test {
namespace {

using namespace quorin::strings;

using Numbers = StringsTest;

TEST(NumericText, Tests) {
  EXPECT_EQ(is_numeric(u"1."), 1);
  EXPECT_EQ(is_numeric(u"-12.50"), 1);
  EXPECT_EQ(is_numeric(u"007"), 1);
  for (const char16_t* bad : {u"", u"-", u".5", u"-.5", u"1e5", u" 1", u"1 ", u"+1", u"1.2.3", u"1,5", u"１"})
    EXPECT_EQ(is_numeric(bad), 0) << std::u16string(bad).size();
  EXPECT_EQ(is_int(u"-0"), 1);
  EXPECT_EQ(is_int(u"123"), 1);
  for (const char16_t* bad : {u"", u"-", u"1.", u"1.0", u" 1", u"--1"}) EXPECT_EQ(is_int(bad), 0);
}

TEST_F(Numbers, TextToNumber) {
  EXPECT_EQ(stoi(rt, u"1.5"), 1);
  EXPECT_EQ(stoi(rt, u" 12 "), 12);
  EXPECT_EQ(stoi(rt, u"\t-7\r\n"), -7);
  EXPECT_EQ(stoi(rt, u"-2147483648"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(stoi(rt, u"4294967297"), 1);  // wraps as a 32-bit reading does
  EXPECT_EQ(stol(rt, u"-9000000000.9"), -9000000000LL);
  EXPECT_EQ(stol(rt, u"9223372036854775807"), std::numeric_limits<int64_t>::max());
  EXPECT_FLOAT_EQ(stof(rt, u"2.5"), 2.5f);
  EXPECT_EQ(stof(rt, u"0.1"), 0.1f);  // rounded once, straight to float
  EXPECT_EQ(stod(rt, u"1."), 1.0);
  EXPECT_EQ(stod(rt, u"-0.125"), -0.125);
  EXPECT_EQ(stod(rt, u"123456789.123456789"), 123456789.123456789);
  EXPECT_TRUE(std::isinf(stof(rt, u"1" + std::u16string(50, u'0'))));
  EXPECT_TRUE(std::isinf(stod(rt, u"-1" + std::u16string(400, u'0'))));
  EXPECT_EQ(stod(rt, u"0." + std::u16string(400, u'0') + u"1"), 0.0);
}

TEST_F(Numbers, ConversionErrors) {
  EXPECT_EQ(error_of([&] { stoi(rt, u"1e5"); }), u"运行时错误：\n\n行: 7, stoi('1e5') 数据类型转换出错.");
  EXPECT_EQ(error_of([&] { stol(rt, u""); }), u"运行时错误：\n\n行: 7, stol('') 数据类型转换出错.");
  EXPECT_EQ(error_of([&] { stof(rt, u"\v1"); }), u"运行时错误：\n\n行: 7, stof('\v1') 数据类型转换出错.");
  std::u16string long_text(120, u'x');
  EXPECT_EQ(error_of([&] { stod(rt, Str(long_text)); }),
            u"运行时错误：\n\n行: 7, stod('" + std::u16string(100, u'x') + u"') 数据类型转换出错.");
}

TEST(NumberText, Formats) {
  EXPECT_EQ(itos(-42).str(), u"-42");
  EXPECT_EQ(ltos(std::numeric_limits<int64_t>::min()).str(), u"-9223372036854775808");
  EXPECT_EQ(hex_int(255).str(), u"ff");
  EXPECT_EQ(hex_int(-1).str(), u"ffffffff");
  EXPECT_EQ(hex_long(-2).str(), u"fffffffffffffffe");
  EXPECT_EQ(hex_long(0).str(), u"0");
}

TEST(NumberText, SevenDecimalsThenCut) {
  EXPECT_EQ(dtos(2.5, 0).str(), u"2");
  EXPECT_EQ(dtos(-2.9, 0).str(), u"-2");
  EXPECT_EQ(dtos(1.23456789, 9).str(), u"1.2345679");
  EXPECT_EQ(dtos(1.23456789, 3).str(), u"1.234");  // truncated after rounding to 7
  EXPECT_EQ(dtos(0.99999999, 2).str(), u"1.00");   // the rounding to 7 carries
  EXPECT_EQ(dtos(3, 1).str(), u"3.0");
  EXPECT_EQ(ftos(0.1f, 7).str(), u"0.1000000");
  EXPECT_EQ(ftos(0.1f, 9).str(), u"0.1000000");
}

TEST(NumberCasts, TruncateAndWrap) {
  EXPECT_EQ(ftoi(2.9f), 2);
  EXPECT_EQ(dtoi(-2.9), -2);
  EXPECT_EQ(dtol(-1e15 - 0.5), -1000000000000000LL);
  EXPECT_EQ(ltoi(0x100000005LL), 5);
  EXPECT_EQ(ltoi(0xFFFFFFFFLL), -1);
  EXPECT_EQ(itol(-1), -1);
  EXPECT_EQ(ltof(16777217), 16777216.0f);
  EXPECT_EQ(dtof(0.1), 0.1f);
  EXPECT_EQ(ftod(0.5f), 0.5);
  // Out of range and NaN give the smallest value, as the processor does.
  EXPECT_EQ(dtoi(3e9), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(dtoi(std::nan("")), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(ftol(1e30f), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(dtoi(-2147483648.9), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(dtoi(2147483647.9), 2147483647);
}

}  // namespace
}  // namespace quorin::strings_test
