#include "runtime/operators.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "interp/runtime/operand_builder.h"

namespace quorin {
namespace {

using testing::RuntimeTest;

TEST(OperatorTable, SizesAndRowsPerOperator) {
  auto rows = operator_table();
  ASSERT_EQ(rows.size(), kOperatorRows);
  std::map<OpCode, int> per_op;
  std::set<std::tuple<OpCode, TypeCode, TypeCode>> keys;
  for (const OperatorRow& r : rows) {
    ++per_op[r.op];
    EXPECT_NE(r.handler, nullptr);
    EXPECT_TRUE(keys.insert({r.op, r.left, r.right}).second) << "duplicate row";
    EXPECT_EQ(find_operator(r.op, r.left, r.right), &r);
  }
  EXPECT_EQ(per_op[OpCode::Add], 64);
  for (OpCode op : {OpCode::Sub, OpCode::Mul, OpCode::Div}) EXPECT_EQ(per_op[op], 49);
  for (OpCode op : {OpCode::Mod, OpCode::And, OpCode::Or, OpCode::Xor, OpCode::Shl, OpCode::Shr})
    EXPECT_EQ(per_op[op], 25);
  EXPECT_EQ(per_op[OpCode::Neg], 7);
  EXPECT_EQ(per_op[OpCode::Not], 5);

  auto cmp = comparison_table();
  ASSERT_EQ(cmp.size(), kComparisonRows);
  std::map<CmpOp, int> per_cmp;
  for (const ComparisonRow& r : cmp) {
    ++per_cmp[r.op];
    EXPECT_EQ(find_comparison(r.op, r.left, r.right), r.handler);
  }
  for (CmpOp op : {CmpOp::Gt, CmpOp::Ge, CmpOp::Lt, CmpOp::Le}) EXPECT_EQ(per_cmp[op], 50);
  EXPECT_EQ(per_cmp[CmpOp::Eq], 55);
  EXPECT_EQ(per_cmp[CmpOp::Ne], 55);
}

TEST(OperatorTable, ResultTypes) {
  auto result = [](OpCode op, TypeCode l, TypeCode r) {
    const OperatorRow* row = find_operator(op, l, r);
    return row ? row->result : tc::None;
  };
  EXPECT_EQ(result(OpCode::Add, tc::Short, tc::Char), tc::Int);
  EXPECT_EQ(result(OpCode::Mul, tc::Int, tc::Long), tc::Long);
  EXPECT_EQ(result(OpCode::Add, tc::Long, tc::Float), tc::Double);
  EXPECT_EQ(result(OpCode::Sub, tc::Float, tc::Long), tc::Double);
  EXPECT_EQ(result(OpCode::Div, tc::Float, tc::Int), tc::Float);
  EXPECT_EQ(result(OpCode::Div, tc::Byte, tc::Double), tc::Double);
  EXPECT_EQ(result(OpCode::Mod, tc::Char, tc::Long), tc::Long);
  EXPECT_EQ(result(OpCode::Shl, tc::Byte, tc::Int), tc::Int);
  EXPECT_EQ(result(OpCode::Shl, tc::Int, tc::Long), tc::Long);
  EXPECT_EQ(result(OpCode::Shr, tc::Long, tc::Byte), tc::Long);
  EXPECT_EQ(result(OpCode::Add, tc::String, tc::Int), tc::String);
  EXPECT_EQ(result(OpCode::Add, tc::Double, tc::String), tc::String);
  // Unary rows are keyed by the int placeholder on the left.
  EXPECT_EQ(result(OpCode::Neg, tc::Int, tc::Byte), tc::Int);
  EXPECT_EQ(result(OpCode::Neg, tc::Int, tc::Float), tc::Float);
  EXPECT_EQ(result(OpCode::Not, tc::Int, tc::Long), tc::Long);

  // Pairs without a row.
  EXPECT_EQ(find_operator(OpCode::Mod, tc::Int, tc::Double), nullptr);
  EXPECT_EQ(find_operator(OpCode::And, tc::Float, tc::Float), nullptr);
  EXPECT_EQ(find_operator(OpCode::Sub, tc::String, tc::Int), nullptr);
  EXPECT_EQ(find_operator(OpCode::Add, tc::Bmp, tc::Bmp), nullptr);
  EXPECT_EQ(find_operator(OpCode::Not, tc::Int, tc::Double), nullptr);
  EXPECT_EQ(find_operator(OpCode::Add, tc::Int, tc::ArrayList), nullptr);
  EXPECT_EQ(find_operator(OpCode::Add, -1, 99), nullptr);
  EXPECT_EQ(find_comparison(CmpOp::Lt, tc::Bmp, tc::Bmp), nullptr);
  EXPECT_NE(find_comparison(CmpOp::Eq, tc::Bmp, tc::Bmp), nullptr);
  EXPECT_EQ(find_comparison(CmpOp::Eq, tc::ArrayList, tc::LinkedList), nullptr);
  EXPECT_EQ(find_comparison(CmpOp::Eq, tc::String, tc::Int), nullptr);
  EXPECT_EQ(find_comparison(CmpOp::Ne, tc::FuncPtr, tc::FuncPtr), nullptr);
}

class Arithmetic : public RuntimeTest {
 protected:
  int32_t as_int(OpCode op, Operand* a, Operand* b) {
    Operand* n = k.node(op, a, b);
    EXPECT_NE(n, nullptr);
    EXPECT_EQ(n->type, tc::Int);
    return eval(n).i;
  }
  int64_t as_long(OpCode op, Operand* a, Operand* b) {
    Operand* n = k.node(op, a, b);
    EXPECT_NE(n, nullptr);
    EXPECT_EQ(n->type, tc::Long);
    return eval(n).l;
  }
};

TEST_F(Arithmetic, SmallTypesWidenToInt) {
  EXPECT_EQ(as_int(OpCode::Add, k.b(200), k.b(100)), 300);
  EXPECT_EQ(as_int(OpCode::Add, k.c(u'A'), k.i(1)), 66);
  EXPECT_EQ(as_int(OpCode::Add, k.s(-1), k.b(1)), 0);
  EXPECT_EQ(as_int(OpCode::Add, k.c(65535), k.i(1)), 65536);
  EXPECT_EQ(as_int(OpCode::Mul, k.b(255), k.s(-2)), -510);
  EXPECT_EQ(as_long(OpCode::Sub, k.c(0), k.l(1)), -1);
  EXPECT_EQ(as_long(OpCode::Add, k.b(255), k.l(1LL << 40)), (1LL << 40) + 255);
}

TEST_F(Arithmetic, FloatingResults) {
  Operand* f = k.node(OpCode::Add, k.i(16777217), k.f(0.0f));
  EXPECT_EQ(f->type, tc::Float);
  EXPECT_EQ(eval(f).f, 16777216.0f);  // computed in float
  Operand* d = k.node(OpCode::Add, k.l((1LL << 40) + 1), k.f(0.5f));
  EXPECT_EQ(d->type, tc::Double);
  EXPECT_EQ(eval(d).d, 1099511627777.5);  // long with float computes in double
  EXPECT_EQ(eval(k.node(OpCode::Div, k.i(7), k.d(2))).d, 3.5);
  EXPECT_EQ(eval(k.node(OpCode::Div, k.f(1), k.f(3))).f, 1.0f / 3.0f);
  EXPECT_EQ(eval(k.unary(OpCode::Neg, k.d(2.5))).d, -2.5);
}

TEST_F(Arithmetic, IntegerDivisionAndRemainder) {
  EXPECT_EQ(as_int(OpCode::Div, k.i(7), k.i(2)), 3);
  EXPECT_EQ(as_int(OpCode::Div, k.i(-7), k.i(2)), -3);
  EXPECT_EQ(as_int(OpCode::Mod, k.i(-7), k.i(2)), -1);
  EXPECT_EQ(as_int(OpCode::Mod, k.i(7), k.i(-2)), 1);
  EXPECT_EQ(as_long(OpCode::Div, k.l(-9), k.i(4)), -2);
  EXPECT_EQ(as_long(OpCode::Mod, k.l(-9), k.b(4)), -1);
}

TEST_F(Arithmetic, OverflowWrapsAround) {
  EXPECT_EQ(as_int(OpCode::Add, k.i(INT_MAX), k.i(1)), INT_MIN);
  EXPECT_EQ(as_int(OpCode::Sub, k.i(INT_MIN), k.b(1)), INT_MAX);
  EXPECT_EQ(as_int(OpCode::Mul, k.i(65536), k.i(65536)), 0);
  EXPECT_EQ(as_long(OpCode::Add, k.l(LLONG_MAX), k.i(1)), LLONG_MIN);
  EXPECT_EQ(as_long(OpCode::Mul, k.l(LLONG_MIN), k.i(-1)), LLONG_MIN);
  EXPECT_EQ(as_int(OpCode::Neg, k.i(0), k.i(INT_MIN)), INT_MIN);
  EXPECT_EQ(as_long(OpCode::Neg, k.i(0), k.l(LLONG_MIN)), LLONG_MIN);
  // The smallest value divided by -1 wraps to itself; its remainder is 0.
  EXPECT_EQ(as_int(OpCode::Div, k.i(INT_MIN), k.i(-1)), INT_MIN);
  EXPECT_EQ(as_int(OpCode::Mod, k.i(INT_MIN), k.s(-1)), 0);
  EXPECT_EQ(as_long(OpCode::Div, k.l(LLONG_MIN), k.i(-1)), LLONG_MIN);
  EXPECT_EQ(as_long(OpCode::Mod, k.l(LLONG_MIN), k.l(-1)), 0);
  EXPECT_EQ(as_long(OpCode::Div, k.l(7), k.l(-1)), -7);
}

TEST_F(Arithmetic, BitwiseAndUnary) {
  EXPECT_EQ(as_int(OpCode::And, k.b(0xF0), k.s(-1)), 0xF0);
  EXPECT_EQ(as_int(OpCode::Or, k.c(0x8000), k.i(1)), 0x8001);  // char is not sign-extended
  EXPECT_EQ(as_long(OpCode::Xor, k.i(-1), k.l(0xFF)), ~0xFFLL);  // int sign-extends into long
  EXPECT_EQ(as_int(OpCode::Not, k.i(0), k.b(255)), -256);
  EXPECT_EQ(as_long(OpCode::Not, k.i(0), k.l(0)), -1);
  EXPECT_EQ(as_int(OpCode::Neg, k.i(0), k.c(65535)), -65535);
}

TEST_F(Arithmetic, Shifts) {
  EXPECT_EQ(as_int(OpCode::Shl, k.i(1), k.i(33)), 2);
  EXPECT_EQ(as_long(OpCode::Shl, k.l(1), k.i(33)), 8589934592LL);
  EXPECT_EQ(as_long(OpCode::Shl, k.i(1), k.l(33)), 8589934592LL);  // a long count makes it long
  EXPECT_EQ(as_int(OpCode::Shl, k.i(1), k.i(-1)), INT_MIN);       // count 31
  EXPECT_EQ(as_int(OpCode::Shl, k.i(0x40000000), k.i(1)), INT_MIN);
  EXPECT_EQ(as_int(OpCode::Shr, k.i(-8), k.i(1)), -4);
  EXPECT_EQ(as_int(OpCode::Shr, k.i(-1), k.i(100)), -1);
  EXPECT_EQ(as_int(OpCode::Shr, k.b(255), k.i(4)), 15);
  EXPECT_EQ(as_long(OpCode::Shr, k.l(LLONG_MIN), k.i(63)), -1);
  EXPECT_EQ(as_long(OpCode::Shl, k.l(3), k.l(64)), 3);
}

TEST_F(Arithmetic, DivisionByZeroStopsTheRun) {
  rt.pos_line = 12;
  const std::u16string message = u"运行时错误：\n\n行: 12, 除数为 0";
  Operand* cases[] = {
      k.node(OpCode::Div, k.i(1), k.i(0)),     k.node(OpCode::Mod, k.i(1), k.b(0)),
      k.node(OpCode::Div, k.l(1), k.i(0)),     k.node(OpCode::Mod, k.s(1), k.l(0)),
      k.node(OpCode::Div, k.d(7.0), k.d(0.0)), k.node(OpCode::Div, k.f(1), k.f(-0.0f)),
      k.node(OpCode::Div, k.d(0.0), k.i(0)),   k.node(OpCode::Div, k.i(1), k.f(0)),
  };
  for (Operand* n : cases) {
    ui.errors.clear();
    try {
      eval(n);
      ADD_FAILURE() << "no error for a zero divisor";
    } catch (const ScriptExit& e) {
      EXPECT_EQ(e.code, 0);
    }
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0], message);
  }
  // A tiny nonzero divisor is not zero.
  EXPECT_TRUE(std::isinf(eval(k.node(OpCode::Div, k.d(1), k.d(1e-320))).d));
}

}  // namespace
}  // namespace quorin
