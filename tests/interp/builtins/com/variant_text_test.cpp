// The getters' conversion table, type names, write-message value forms and
// property-path checks of the COM builtins.
#include <gtest/gtest.h>

#include "builtins/com/com_state.h"
#include "builtins/com/variant_text.h"

namespace quorin::com {
namespace {

VariantData of_int(uint16_t type, int64_t i) {
  VariantData d;
  d.type = type;
  d.i = i;
  return d;
}
VariantData of_uint(uint16_t type, uint64_t u) {
  VariantData d;
  d.type = type;
  d.u = u;
  return d;
}
VariantData of_double(uint16_t type, double v) {
  VariantData d;
  d.type = type;
  d.d = v;
  return d;
}
VariantData of_float(float f) {
  VariantData d;
  d.type = vt::R4;
  d.f = f;
  return d;
}
VariantData of_text(std::u16string t) {
  VariantData d;
  d.type = vt::BStr;
  d.text = std::move(t);
  return d;
}

struct Row {
  VariantData v;
  int32_t as_int;
  int64_t as_long;
  double as_double;
  float as_float;
  std::u16string as_text;
};

TEST(ComConversions, EveryVariantTypeToEveryGetter) {
  VariantData null_string;
  null_string.type = vt::BStr;
  null_string.null_text = true;
  const Row rows[] = {
      {of_int(vt::I2, -7), -7, -7, -7, -7, u"-7"},
      {of_int(vt::I4, 123456), 123456, 123456, 123456, 123456, u"123456"},
      {of_float(-2.75f), -2, -2, -2.75, -2.75f, u"-2.75"},
      {of_double(vt::R8, 2.5), 2, 2, 2.5, 2.5f, u"2.5"},
      {of_double(vt::R8, 3.0), 3, 3, 3.0, 3.0f, u"3"},
      {of_double(vt::R8, -9.99), -9, -9, -9.99, -9.99f, u"-9.99"},
      {of_int(vt::CY, 15000), 1, 1, 1.5, 1.5f, u"1.50"},
      {of_int(vt::CY, -123456789), -12345, -12345, -12345.6789, -12345.6789f, u"-12345.68"},
      {of_double(vt::Date, 45000.5), 0, 0, 45000.5, 0.0f, u"2023-03-15 12:00:00"},
      {of_text(u"12abc"), 12, 12, 12, 12, u"12abc"},
      {of_text(u"  -3.5e2x"), -3, -3, -350, -350, u"  -3.5e2x"},
      {of_text(u"99999999999"), 2147483647, 99999999999LL, 99999999999.0, 99999999999.0f, u"99999999999"},
      {of_text(u"中文"), 0, 0, 0, 0, u"中文"},
      {null_string, 0, 0, 0, 0, u""},
      {of_int(vt::Bool, -1), 1, 1, 1.0, 1.0f, u"true"},
      {of_int(vt::Bool, 0), 0, 0, 0.0, 0.0f, u"false"},
      {of_int(vt::I1, 65), 65, 65, 65, 65, u"A"},
      {of_uint(vt::UI1, 200), 200, 200, 200, 200, u"\u00c8"},
      {of_uint(vt::UI2, 0x4e2d), 0x4e2d, 0x4e2d, 0x4e2d, 0x4e2d, u"中"},
      {of_uint(vt::UI4, 4000000000u), -294967296, 4000000000LL, 4000000000.0, 4000000000.0f, u"4000000000"},
      {of_uint(vt::UInt, 7), 7, 7, 7, 7, u"7"},
      {of_int(vt::I8, 0x100000005LL), 5, 0x100000005LL, 4294967301.0, 4294967301.0f, u"4294967301"},
      {of_int(vt::I8, -5), -5, -5, -5, -5, u"-5"},
      {of_uint(vt::UI8, 18446744073709551615ull), -1, -1, 18446744073709551615.0, 18446744073709551615.0f,
       u"18446744073709551615"},
      {VariantData{}, 0, 0, 0, 0, u""},
      {of_int(vt::Null, 0), 0, 0, 0, 0, u""},
      {of_int(vt::Dispatch, 1234), 0, 0, 0, 0, u""},
      {of_int(vt::Int, 5), 0, 0, 0, 0, u""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE("variant type " + std::to_string(r.v.type));
    EXPECT_EQ(to_int(r.v), r.as_int);
    EXPECT_EQ(to_long(r.v), r.as_long);
    EXPECT_DOUBLE_EQ(to_double(r.v), r.as_double);
    EXPECT_FLOAT_EQ(to_float(r.v), r.as_float);
    EXPECT_EQ(to_text(r.v), r.as_text);
  }
}

TEST(ComConversions, BooleanDateAndCurrencyReadsOnlyTakeTheirOwnType) {
  EXPECT_EQ(to_boolean(of_int(vt::Bool, -1)), 1);
  EXPECT_EQ(to_boolean(of_int(vt::Bool, 0)), 0);
  EXPECT_EQ(to_boolean(of_int(vt::I4, 1)), 0);
  EXPECT_EQ(to_boolean(of_text(u"true")), 0);
  EXPECT_DOUBLE_EQ(to_date(of_double(vt::Date, 2.25)), 2.25);
  EXPECT_DOUBLE_EQ(to_date(of_double(vt::R8, 2.25)), 0);
  EXPECT_DOUBLE_EQ(to_currency_double(of_double(vt::Date, 2.25)), 0);
  EXPECT_DOUBLE_EQ(to_currency_double(of_int(vt::CY, 25)), 0.0025);
}

TEST(ComConversions, OutOfRangeDoublesSaturateInsteadOfOverflowing) {
  EXPECT_EQ(to_int(of_double(vt::R8, 1e300)), 2147483647);
  EXPECT_EQ(to_int(of_double(vt::R8, -1e300)), -2147483647 - 1);
  EXPECT_EQ(to_long(of_double(vt::R8, 1e300)), INT64_MAX);
  EXPECT_EQ(to_int(of_double(vt::R8, std::numeric_limits<double>::quiet_NaN())), 0);
}

TEST(ComConversions, OleDatesAsText) {
  EXPECT_EQ(ole_date_text(0), u"1899-12-30 00:00:00");
  EXPECT_EQ(ole_date_text(2.0), u"1900-01-01 00:00:00");
  EXPECT_EQ(ole_date_text(-1.25), u"1899-12-29 06:00:00");
  EXPECT_EQ(ole_date_text(36526.999999), u"2000-01-02 00:00:00");
  EXPECT_EQ(ole_date_text(43890.0), u"2020-02-29 00:00:00");
}

TEST(ComConversions, TypeNames) {
  EXPECT_EQ(type_name(0), u"empty");
  EXPECT_EQ(type_name(3), u"int");
  EXPECT_EQ(type_name(19), u"int");
  EXPECT_EQ(type_name(6), u"currency");
  EXPECT_EQ(type_name(8), u"string");
  EXPECT_EQ(type_name(9), u"object");
  EXPECT_EQ(type_name(11), u"boolean");
  EXPECT_EQ(type_name(17), u"byte");
  EXPECT_EQ(type_name(18), u"char");
  EXPECT_EQ(type_name(21), u"long");
  EXPECT_EQ(type_name(8192), u"array");
  EXPECT_EQ(type_name(16), u"未知(vt=16)\n");
  EXPECT_EQ(type_name(0x200C), u"未知(vt=8204)\n");
}

TEST(ComPaths, MembersAndTheThreeMistakes) {
  std::vector<std::u16string_view> m;
  EXPECT_EQ(split_path(u"documentElement.firstChild.text", m), PathError::None);
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[0], u"documentElement");
  EXPECT_EQ(m[2], u"text");
  EXPECT_EQ(split_path(u"Count", m), PathError::None);
  EXPECT_EQ(m.size(), 1u);
  EXPECT_EQ(split_path(u"a b", m), PathError::Space);
  EXPECT_EQ(split_path(u"a. b.", m), PathError::Space);
  EXPECT_EQ(split_path(u"a.b.", m), PathError::TrailingDot);
  EXPECT_EQ(split_path(u".", m), PathError::TrailingDot);
  EXPECT_EQ(split_path(u"a..b", m), PathError::EmptyMember);
  EXPECT_EQ(split_path(u".a", m), PathError::EmptyMember);
  EXPECT_EQ(split_path(u"", m), PathError::EmptyMember);
  // More than eight intermediate members are fine.
  EXPECT_EQ(split_path(u"a.b.c.d.e.f.g.h.i.j.k", m), PathError::None);
  EXPECT_EQ(m.size(), 11u);
}

TEST(ComMessages, ReadWriteAndCallTexts) {
  EXPECT_EQ(zero_handle_message(u"com_object_get_int"),
            u"com_object_get_int(ComObjectHandle, ...)\n\n参数: ComObjectHandle 的值不能为 0");
  EXPECT_EQ(path_message(PathError::Space, u"com_object_get_int", 5, u"a b"),
            u"com_object_get_int(5, 'a b')\r\n\r\n第2个参数中不能含有空格");
  EXPECT_EQ(path_message(PathError::TrailingDot, u"com_object_get_function", 5, u"a."),
            u"com_object_get_function(5, 'a.')\r\n\r\n第2个参数结尾处不能有 '.'");
  EXPECT_EQ(path_message(PathError::EmptyMember, u"com_object_set_int", 5, u"a..b"),
            u"com_object_set_int(5, 'a..b')\r\n\r\n第2个参数错误");
  EXPECT_EQ(read_unknown_name_message(u"com_object_get_int", 9, u"a.zz", u"zz"),
            u"com_object_get_int(9, 'a.zz') 属性名 'zz' 不存在");
  EXPECT_EQ(read_invoke_failed_message(u"com_object_get_int", 9, u"x", static_cast<int32_t>(0x80020003)),
            u"com_object_get_int(9, 'x') 发生错误。\n\nInvoke() 返回值: -2147352573 (0x80020003)");
  EXPECT_EQ(read_names_failed_message(u"com_object_get_int", 9, u"x", static_cast<int32_t>(0x80004005)),
            u"com_object_get_int(9, 'x') 发生错误。\n\nGetIDsOfNames() 返回值: -2147467259 (0x80004005)");

  WrittenValue i4{vt::I4, -12, 0}, r8{vt::R8, 0, 1.5}, ui2{vt::UI2, u'A', 0}, ui1{vt::UI1, 200, 0},
      text{vt::BStr, 0, 0}, i8{vt::I8, 1LL << 40, 0};
  EXPECT_EQ(write_unknown_name_message(u"com_object_set_int", 3, u"n", i4, u"n"),
            u"com_object_set_int(3, 'n', -12) 属性名 'n' 不存在");
  EXPECT_EQ(write_invoke_failed_message(u"com_object_set_double", 3, u"n", r8, static_cast<int32_t>(0x80020005)),
            u"com_object_set_double(3, 'n', 1.500000) 发生错误。\n\nInvoke() 返回值: -2147352571 (0x80020005)");
  EXPECT_EQ(write_names_failed_message(u"com_object_set_long", 3, u"n", i8, 1),
            u"com_object_set_long(3, 'n', 1099511627776) 发生错误: 1 (0x1)");
  EXPECT_EQ(write_overflow_message(u"com_object_set_int", 3, u"n", i4),
            u"com_object_set_int(3, 'n', -12) 发生错误: 属性值(-12)溢出");
  EXPECT_EQ(write_overflow_message(u"com_object_set_char", 3, u"n", ui2),
            u"com_object_set_char(3, 'n', 'A') 发生错误: 属性值(65)溢出");
  EXPECT_EQ(write_overflow_message(u"com_object_set_byte", 3, u"n", ui1),
            u"com_object_set_byte(3, 'n', 200) 发生错误: 属性值(200)溢出");
  EXPECT_EQ(write_overflow_message(u"com_object_set_string", 3, u"n", text),
            u"com_object_set_string(3, 'n', ...) 发生错误: 属性值溢出");
  EXPECT_EQ(write_unknown_name_message(u"com_object_set_string", 3, u"n", text, u"n"),
            u"com_object_set_string(3, 'n', ...) 属性名 'n' 不存在");

  EXPECT_EQ(bind_missing_message(4, u"Nope"), u"com_object_get_function(4, 'Nope') 函数 'Nope' 不存在");
  EXPECT_EQ(call_param_count_message(u"add", u"Add"),
            u"函数指针 add() 的参数数量与其对应的COM组件中函数 Add() 的参数数量不一致。");
  EXPECT_EQ(call_param_type_message(u"add", u"Add"),
            u"函数指针 add() 的参数类型与其对应的COM组件中函数 Add() 的参数类型不一致。");
  EXPECT_EQ(call_string_limit_message(u"f"), u"很抱歉，函数指针 f() 最多只支持 8 个 string * 类型的参数。");
  EXPECT_EQ(call_failed_message(u"f", u"Go", static_cast<int32_t>(0x80020009)),
            u"调用函数指针 f() 对应的COM组件中的函数 Go() 时发生错误，Invoke()返回值: -2147352567 (0x80020009)");
}

}  // namespace
}  // namespace quorin::com
