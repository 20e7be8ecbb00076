#include <gtest/gtest.h>

#include <climits>

#include "interp/runtime/operand_builder.h"

namespace quorin {
namespace {

using testing::RuntimeTest;

class StringJoin : public RuntimeTest {
 protected:
  std::u16string join(Operand* a, Operand* b) {
    Operand* n = k.node(OpCode::Add, a, b);
    EXPECT_NE(n, nullptr);
    EXPECT_EQ(n->type, tc::String);
    return n ? text(n) : u"";
  }
};

TEST_F(StringJoin, NumbersFormatByType) {
  EXPECT_EQ(join(k.str(u"a"), k.d(1.5)), u"a1.500000");
  EXPECT_EQ(join(k.c(u'x'), k.str(u"y")), u"xy");
  EXPECT_EQ(join(k.b(7), k.str(u"y")), u"7y");
  EXPECT_EQ(join(k.str(u"b="), k.b(200)), u"b=200");
  EXPECT_EQ(join(k.s(-5), k.str(u"")), u"-5");
  EXPECT_EQ(join(k.str(u"i"), k.i(INT_MIN)), u"i-2147483648");
  EXPECT_EQ(join(k.str(u"n"), k.l(LLONG_MIN)), u"n-9223372036854775808");
  EXPECT_EQ(join(k.l(LLONG_MAX), k.str(u"")), u"9223372036854775807");
  EXPECT_EQ(join(k.str(u"f"), k.f(0.1f)), u"f0.100000");
  EXPECT_EQ(join(k.d(-2.0 / 3), k.str(u"")), u"-0.666667");
  EXPECT_EQ(join(k.str(u""), k.d(1e20)), u"100000000000000000000.000000");
  EXPECT_EQ(join(k.str(u"值"), k.c(u'中')), u"值中");
}

TEST_F(StringJoin, StringsAndReferences) {
  Operand* a = k.str(u"左边");
  Operand* b = k.str(u"右");
  EXPECT_EQ(join(a, b), u"左边右");
  EXPECT_EQ(join(k.str(u""), k.str(u"")), u"");
  // The operands' references were given back.
  EXPECT_EQ(a->k.str->rc, 1u);
  EXPECT_EQ(b->k.str->rc, 1u);
  // Nested joins release their temporaries.
  Operand* nested = k.node(OpCode::Add, k.node(OpCode::Add, a, k.i(1)), k.node(OpCode::Add, k.d(2), b));
  EXPECT_EQ(text(nested), u"左边12.000000右");
  EXPECT_EQ(a->k.str->rc, 1u);
}

TEST_F(StringJoin, FailingRightOperandReleasesTheLeft) {
  Operand* a = k.str(u"kept");
  Operand* n = k.node(OpCode::Add, a, k.node(OpCode::Div, k.i(1), k.i(0)));
  EXPECT_THROW(eval(n), ScriptExit);
  EXPECT_EQ(a->k.str->rc, 1u);
  EXPECT_EQ(ui.errors.size(), 1u);
}

}  // namespace
}  // namespace quorin
