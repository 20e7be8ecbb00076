// max and min: the result type of every argument-type pair, as the
// compiler types the call, and the overload counts of the math and date
// tables.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "builtins/tables.h"
#include "interp/frontend/compile_fixture.h"
#include "support/format.h"

namespace quorin {
namespace {

constexpr char kTypes[] = "bcsilfd";  // variable names, one per numeric type

TypeCode code_of(char v) { return static_cast<TypeCode>(std::string(kTypes).find(v) + 1); }

// The result types of the table; pairs it leaves out take int × int, the
// first overload, which holds every byte, char and short.
TypeCode expected(char a, char b) {
  const TypeCode x = code_of(a), y = code_of(b);
  const bool small_x = x <= tc::Short, small_y = y <= tc::Short;
  if (x == tc::Double || y == tc::Double) return tc::Double;
  if ((x == tc::Long && y == tc::Float) || (x == tc::Float && y == tc::Long)) return tc::Double;
  if (x == tc::Float || y == tc::Float) return tc::Float;
  if (x == tc::Long || y == tc::Long) return tc::Long;
  EXPECT_TRUE(small_x || small_y || (x == tc::Int && y == tc::Int));
  return tc::Int;
}

TEST(MinMax, ResultTypeOfEveryArgumentPair) {
  std::string src = "byte b\nchar c\nshort s\nint i\nlong l\nfloat f\ndouble d\n";
  std::vector<std::pair<std::string, TypeCode>> calls;
  for (const char* name : {"max", "min"})
    for (char a : std::string(kTypes))
      for (char b : std::string(kTypes)) {
        std::string call = std::string(name) + "(" + a + ", " + b + ")";
        src += "println(" + call + ")\n";
        calls.emplace_back(call, expected(a, b));
      }
  auto c = testing::compile_text(src, CheckMode::Run);
  ASSERT_NE(c.result.program, nullptr) << c.errors();
  const StatementNode* n = c.result.program->root;
  while (n && n->kind != u"println") n = n->next;
  for (const auto& [call, type] : calls) {
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->operands[0]->type, type) << call;
    n = n->next;
  }
}

TEST(MinMax, OverloadCounts) {
  std::map<std::string, int> count;
  for (BuiltinTable t : {math_table(), dates_table()})
    for (size_t i = 0; i < t.count; ++i) ++count[to_utf8(t.entries[i].name)];
  EXPECT_EQ(count["max"], 34);
  EXPECT_EQ(count["min"], 34);
  EXPECT_EQ(math_table().count, 34u * 2 + 27);
  EXPECT_EQ(dates_table().count, 33u);
  for (const char* two : {"time", "date", "year", "month", "day", "hour", "minute", "second", "weekday",
                          "get_date_time", "get_date", "get_time"})
    EXPECT_EQ(count[two], 2) << two;
}

}  // namespace
}  // namespace quorin
