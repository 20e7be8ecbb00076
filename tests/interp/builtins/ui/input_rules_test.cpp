#include "builtins/ui/input_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace quorin {
namespace {

std::u16string accepted(int type, std::u16string_view text) {
  InputCheck c = check_input(type, text);
  EXPECT_TRUE(c.ok) << "rejected";
  return c.value;
}

std::u16string warning(int type, std::u16string_view text) {
  InputCheck c = check_input(type, text);
  EXPECT_FALSE(c.ok) << "accepted";
  return std::u16string(c.warning);
}

TEST(InputRules, IntegersAreTrimmedAndChecked) {
  EXPECT_EQ(accepted(kInputInt, u" 42 "), u"42");
  EXPECT_EQ(accepted(kInputInt, u"\t-7\r\n"), u"-7");
  EXPECT_EQ(accepted(kInputInt, u"007"), u"007");
  for (std::u16string_view bad : {u"1.5", u"-", u"--1", u"1 2", u"+3", u"1e3", u"４２"})
    EXPECT_EQ(warning(kInputInt, bad), u"只可以输入一个整数") << std::string(bad.begin(), bad.end());
  EXPECT_EQ(warning(kInputInt, u""), u"请输入一个整数");
  EXPECT_EQ(warning(kInputInt, u"   "), u"请输入一个整数");
}

TEST(InputRules, NumbersAllowOnePoint) {
  EXPECT_EQ(accepted(kInputNumeric, u" 1.5 "), u"1.5");
  EXPECT_EQ(accepted(kInputNumeric, u"-3."), u"-3.");
  EXPECT_EQ(accepted(kInputNumeric, u"12"), u"12");
  for (std::u16string_view bad : {u"1.2.3", u"-", u".5", u"1,5", u"abc"})
    EXPECT_EQ(warning(kInputNumeric, bad), u"只可以输入一个数");
  EXPECT_EQ(warning(kInputNumeric, u" "), u"请输入一个数");
}

TEST(InputRules, CharsTakeOneAsciiUnitOrATypedEscape) {
  EXPECT_EQ(accepted(kInputChar, u"a"), u"a");
  EXPECT_EQ(accepted(kInputChar, u" "), u" ");  // not trimmed
  EXPECT_EQ(accepted(kInputChar, u"\\n"), u"\n");
  EXPECT_EQ(accepted(kInputChar, u"\\r"), u"\r");
  EXPECT_EQ(accepted(kInputChar, u"\\t"), u"\t");
  EXPECT_EQ(warning(kInputChar, u""), u"请输入一个字符");
  const std::u16string one = u"只可以输入一个字符(英文字母, 数字, 标点符号等)，不能输入汉字。";
  EXPECT_EQ(warning(kInputChar, u"ab"), one);
  EXPECT_EQ(warning(kInputChar, u"\\x"), one);
  EXPECT_EQ(warning(kInputChar, u"汉"), one);
  EXPECT_EQ(warning(kInputChar, u"\u00e9"), one);
}

TEST(InputRules, StringsAreTakenAsTypedAndOddTypesAreStrings) {
  EXPECT_EQ(accepted(kInputString, u"  x  "), u"  x  ");
  EXPECT_EQ(accepted(kInputString, u""), u"");
  EXPECT_EQ(normalize_input_type(4), kInputString);
  EXPECT_EQ(normalize_input_type(-1), kInputString);
  EXPECT_EQ(normalize_input_type(3), kInputNumeric);
  EXPECT_EQ(accepted(9, u"1.5x"), u"1.5x");
  EXPECT_EQ(input_edit_limit(kInputChar), 2u);
  EXPECT_EQ(input_edit_limit(kInputInt), 128u);
  EXPECT_EQ(input_edit_limit(kInputNumeric), 128u);
  EXPECT_EQ(input_edit_limit(kInputString), 2047u);
  EXPECT_EQ(input_edit_limit(17), 2047u);
  const std::u16string long_text(3000, u'x');
  EXPECT_EQ(cut_to_buffer(long_text).size(), 2047u);
  EXPECT_EQ(cut_to_buffer(std::u16string(2047, u'x')).size(), 2047u);
  EXPECT_EQ(cut_to_buffer(u"abc"), u"abc");
}

TEST(InputRules, ConfirmTypesFallBackToOkCancel) {
  EXPECT_EQ(confirm_box_type(1), kBoxOkCancel);
  EXPECT_EQ(confirm_box_type(3), kBoxYesNoCancel);
  EXPECT_EQ(confirm_box_type(4), kBoxYesNo);
  for (int t : {0, 2, 5, 7, -1}) EXPECT_EQ(confirm_box_type(t), kBoxOkCancel);
}

TEST(InputRules, DialogSizesAndCentring) {
  EXPECT_EQ(single_line_client(13).w, 430);
  EXPECT_EQ(single_line_client(13).h, 134);
  // Width 0: the prompt's width + 32, at least 430; otherwise at least 260.
  EXPECT_EQ(multi_line_client(100, 0, 0).w, 430);
  EXPECT_EQ(multi_line_client(600, 0, 0).w, 632);
  EXPECT_EQ(multi_line_client(600, 100, 0).w, 260);
  EXPECT_EQ(multi_line_client(600, 700, 0).w, 700);
  EXPECT_EQ(multi_line_client(0, 0, 0).h, 326);
  EXPECT_EQ(multi_line_client(0, 0, 50).h, 200);
  EXPECT_EQ(multi_line_client(0, 0, 500).h, 500);
  Point2 p = centred_origin(1024, 776, Size2{436, 170});
  EXPECT_EQ(p.x, 294);
  EXPECT_EQ(p.y, 303);
  p = centred_origin(300, 200, Size2{436, 270});
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
}

}  // namespace
}  // namespace quorin
