// Overload resolution and the implicit-conversion tables.
#include "frontend/registry.h"

#include <gtest/gtest.h>

#include "support/format.h"

namespace quorin {
namespace {

BuiltinEntry entry(std::initializer_list<TypeCode> args, TypeCode ret = tc::Void) {
  BuiltinEntry e{};
  e.name = u"f";
  for (TypeCode a : args) e.args[e.argc++] = a;
  e.ret = ret;
  return e;
}

ArgInfo value(TypeCode t) {
  ArgInfo a;
  a.type = t;
  a.kind = static_cast<OperandKind>(t);
  return a;
}
ArgInfo variable(TypeCode t) {
  ArgInfo a = value(t);
  a.kind = OperandKind::Variable;
  a.is_variable = true;
  a.declared = t;
  return a;
}
ArgInfo expression(TypeCode t) {
  ArgInfo a = value(t);
  a.kind = OperandKind::Expr;
  return a;
}
ArgInfo list_of(TypeCode elem) {
  ArgInfo a = variable(tc::ArrayList);
  a.elem = static_cast<uint16_t>(elem);
  return a;
}

TEST(ResolveCall, ExactOverloadWinsWhateverTheTableOrder) {
  BuiltinEntry as_int = entry({tc::Int}), as_double = entry({tc::Double});
  const BuiltinEntry* int_first[] = {&as_int, &as_double};
  const BuiltinEntry* double_first[] = {&as_double, &as_int};
  ArgInfo d[] = {value(tc::Double)};
  ArgInfo i[] = {value(tc::Int)};
  EXPECT_EQ(resolve_call(int_first, d).entry, &as_double);
  EXPECT_EQ(resolve_call(double_first, d).entry, &as_double);
  EXPECT_EQ(resolve_call(double_first, i).entry, &as_int);
  // With only an int overload, a double converts in the loose pass.
  const BuiltinEntry* only_int[] = {&as_int};
  EXPECT_EQ(resolve_call(only_int, d).entry, &as_int);
}

TEST(ResolveCall, CountErrorsAndTypeErrorsWithArgumentNumbers) {
  BuiltinEntry two = entry({tc::Int, tc::Int});
  const BuiltinEntry* one[] = {&two};
  ArgInfo single[] = {value(tc::Int)};
  EXPECT_EQ(resolve_call(one, single).error, 2);

  ArgInfo bad_second[] = {value(tc::Int), value(tc::String)};
  Resolution r = resolve_call(one, bad_second);
  EXPECT_EQ(r.error, 3);
  EXPECT_EQ(r.arg_no, 2);
  EXPECT_EQ(call_error_text(u"f", r), u"函数 'f()' 第2个参数类型错误");

  // Several overloads: the number is cleared.
  BuiltinEntry other = entry({tc::Double, tc::Double});
  const BuiltinEntry* both[] = {&two, &other};
  r = resolve_call(both, bad_second);
  EXPECT_EQ(r.error, 3);
  EXPECT_EQ(r.arg_no, 0);
  EXPECT_EQ(call_error_text(u"f", r), u"函数 'f()' 参数类型错误");
  EXPECT_EQ(call_error_text(u"f", Resolution{nullptr, 2, 0}), u"函数 'f()' 参数数量错误");
}

TEST(ResolveCall, ByReferenceTakesOnlyVariablesOfTheExactType) {
  BuiltinEntry by_ref = entry({tc::Int + tc::RefBase});
  const BuiltinEntry* list[] = {&by_ref};
  ArgInfo var[] = {variable(tc::Int)};
  ArgInfo constant[] = {value(tc::Int)};
  ArgInfo expr[] = {expression(tc::Int)};
  ArgInfo other_type[] = {variable(tc::Long)};
  EXPECT_NE(resolve_call(list, var).entry, nullptr);
  EXPECT_EQ(resolve_call(list, constant).error, 3);
  EXPECT_EQ(resolve_call(list, expr).error, 3);
  EXPECT_EQ(resolve_call(list, other_type).error, 3);
  ArgInfo element = variable(tc::Array);
  element.array_elem = tc::Int;
  element.indexed = true;
  element.type = tc::Int;
  ArgInfo elements[] = {element};
  EXPECT_NE(resolve_call(list, elements).entry, nullptr);
}

TEST(ResolveCall, GenericsGetNoNumericWidening) {
  BuiltinEntry add = entry({tc::ArrayList, tc::GenericT});
  const BuiltinEntry* list[] = {&add};
  ArgInfo exact[] = {list_of(tc::Long), value(tc::Long)};
  ArgInfo narrower[] = {list_of(tc::Long), value(tc::Int)};
  EXPECT_NE(resolve_call(list, exact).entry, nullptr);
  Resolution r = resolve_call(list, narrower);
  EXPECT_EQ(r.error, 3);
  EXPECT_EQ(r.arg_no, 2);
}

TEST(ResolveCall, CallOperandAndArrays) {
  BuiltinEntry later = entry({tc::CallOperand});
  const BuiltinEntry* at[] = {&later};
  ArgInfo call = value(tc::Void);
  call.kind = OperandKind::Call;
  call.is_call = true;
  ArgInfo calls[] = {call};
  ArgInfo plain[] = {value(tc::Int)};
  EXPECT_NE(resolve_call(at, calls).entry, nullptr);
  EXPECT_EQ(resolve_call(at, plain).error, 3);

  BuiltinEntry bytes = entry({tc::Byte + tc::ArrayBase});
  const BuiltinEntry* arr[] = {&bytes};
  ArgInfo whole = variable(tc::Array);
  whole.type = tc::Array;
  whole.array_elem = tc::Byte;
  ArgInfo wholes[] = {whole};
  EXPECT_NE(resolve_call(arr, wholes).entry, nullptr);
  whole.array_elem = tc::Int;
  ArgInfo wrong[] = {whole};
  EXPECT_EQ(resolve_call(arr, wrong).error, 3);
}

TEST(ConversionTables, HaveTheirFixedSizes) {
  EXPECT_EQ(argument_conversion_pairs(), 50u);
  EXPECT_EQ(assignment_pairs(), 52u);
  EXPECT_TRUE(argument_convertible(tc::Int, tc::Double));
  EXPECT_FALSE(argument_convertible(tc::Int, tc::Int));
  EXPECT_FALSE(argument_convertible(tc::String, tc::Int));
  EXPECT_TRUE(assignable(tc::Byte, tc::Double));
  EXPECT_FALSE(assignable(tc::String, tc::Int));
  EXPECT_FALSE(assignable(tc::ArrayList, tc::ArrayList));
}

TEST(ResultTyping, GenericReturnsTakeTheCollectionsTypes) {
  BuiltinEntry get = entry({tc::HashMap, tc::GenericK}, tc::GenericV);
  ArgInfo map = variable(tc::HashMap);
  map.key = tc::String;
  map.val = tc::Double;
  ArgInfo args[] = {map, value(tc::String)};
  TypeCode ret;
  uint16_t elem, elem2;
  type_call_result(get, args, ret, elem, elem2);
  EXPECT_EQ(ret, tc::Double);
  BuiltinEntry keys = entry({tc::HashMap}, tc::Iterator);
  keys.elem = tc::GenericK;
  type_call_result(keys, args, ret, elem, elem2);
  EXPECT_EQ(ret, tc::Iterator);
  EXPECT_EQ(elem, tc::String);
}

TEST(Registry, EveryBuiltinNameIsReservedAndOverloadsKeepTableOrder) {
  const Registry& reg = Registry::get();
  EXPECT_EQ(reg.reserved(u"println"), NameKind::Builtin);
  EXPECT_EQ(reg.reserved(u"if"), NameKind::Keyword);
  EXPECT_EQ(reg.reserved(u"new"), NameKind::ReservedWord);
  EXPECT_EQ(reg.reserved(u"Println"), NameKind::None);
  const auto* exits = reg.overloads(u"exit");
  ASSERT_NE(exits, nullptr);
  ASSERT_EQ(exits->size(), 2u);
  EXPECT_EQ((*exits)[0]->argc, 0);
  EXPECT_EQ((*exits)[1]->argc, 1);
  EXPECT_EQ(reg.by_invoker((*exits)[1]->invoke), (*exits)[1]);
  EXPECT_EQ(name_kind_word(NameKind::Constant), u"常量名");
}

TEST(Registry, NoBuiltinNameIsDefinedByTwoFamilies) {
  for (const NameClash& c : builtin_name_clashes(builtin_tables()))
    ADD_FAILURE() << "'" << to_utf8(c.name) << "' is in tables " << c.first_table << " and " << c.second_table;
}

TEST(Registry, ANameInTwoTablesIsReportedOnce) {
  BuiltinEntry a[] = {entry({tc::Int}), entry({tc::Double})};
  BuiltinEntry b[] = {entry({}), entry({tc::String})};
  a[1].name = u"g";
  b[1].name = u"h";
  const BuiltinTable tables[] = {{a, 2}, {b, 2}, {b, 1}};
  std::vector<NameClash> clashes = builtin_name_clashes(tables);
  ASSERT_EQ(clashes.size(), 1u);
  EXPECT_EQ(clashes[0].name, u"f");
  EXPECT_EQ(clashes[0].first_table, 0u);
  EXPECT_EQ(clashes[0].second_table, 1u);
  // Overloads within one table are what overloading is.
  EXPECT_TRUE(builtin_name_clashes(std::span<const BuiltinTable>(tables, 1)).empty());
}

}  // namespace
}  // namespace quorin
