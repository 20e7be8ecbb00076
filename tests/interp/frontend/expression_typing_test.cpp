// The static type the compiler gives an expression, read off the compiled
// call `println(<expression>)`.
#include "compile_fixture.h"

namespace quorin {
namespace {

struct TypingCase {
  const char* expr;
  TypeCode type;  // tc::None: untyped (the compile fails)
};

class ExpressionTyping : public ::testing::TestWithParam<TypingCase> {};

TEST_P(ExpressionTyping, HasTheExpectedType) {
  std::string src =
      "byte b\nchar c\nshort s\nint i\nlong l\nfloat f\ndouble d\nstring t\nBmp m\nArrayList<int> a\n"
      "println(" + std::string(GetParam().expr) + ")\n";
  auto c = testing::compile_text(src, CheckMode::Run);
  if (GetParam().type == tc::None) {
    EXPECT_EQ(c.result.program, nullptr) << GetParam().expr;
    return;
  }
  ASSERT_NE(c.result.program, nullptr) << c.errors();
  const StatementNode* n = c.result.program->root;
  while (n->next) n = n->next;
  ASSERT_EQ(n->kind, u"println");
  EXPECT_EQ(n->operands[0]->type, GetParam().type) << GetParam().expr;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ExpressionTyping,
    ::testing::Values(TypingCase{"s + c", tc::Int}, TypingCase{"b * b", tc::Int}, TypingCase{"i * l", tc::Long},
                      TypingCase{"l + f", tc::Double}, TypingCase{"f + i", tc::Float}, TypingCase{"d - b", tc::Double},
                      TypingCase{"t + i", tc::String}, TypingCase{"i + t", tc::String}, TypingCase{"c + t", tc::String},
                      TypingCase{"i % l", tc::Long}, TypingCase{"b << l", tc::Long}, TypingCase{"l >> i", tc::Long},
                      TypingCase{"-c", tc::Int}, TypingCase{"-f", tc::Float}, TypingCase{"~l", tc::Long},
                      TypingCase{"1 + 2 * 3", tc::Int}, TypingCase{"2147483648", tc::Long},
                      TypingCase{"1.5f", tc::Float}, TypingCase{"1.", tc::Double}, TypingCase{"0x7FFFFFFF", tc::Int},
                      TypingCase{"0xFFFFFFFF", tc::Long}, TypingCase{"5L", tc::Long},
                      // No rows: the consumer reports the expression.
                      TypingCase{"t - i", tc::None}, TypingCase{"i % d", tc::None}, TypingCase{"f & f", tc::None},
                      TypingCase{"m + m", tc::None}, TypingCase{"a + 1", tc::None}, TypingCase{"~d", tc::None}));

}  // namespace
}  // namespace quorin
