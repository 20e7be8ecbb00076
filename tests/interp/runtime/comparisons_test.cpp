#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "interp/runtime/operand_builder.h"
#include "runtime/exact_compare.h"

namespace quorin {
namespace {

using testing::RuntimeTest;
using Cmp = CmpOp;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ExactCompare, LongAgainstDouble) {
  EXPECT_EQ(order_long_double(9007199254740993LL, 9007199254740992.0), Order::Greater);
  EXPECT_EQ(order_long_double(9007199254740992LL, 9007199254740992.0), Order::Equal);
  EXPECT_EQ(order_long_double(LLONG_MAX, 9223372036854775808.0), Order::Less);
  EXPECT_EQ(order_long_double(LLONG_MIN, -9223372036854775808.0), Order::Equal);
  EXPECT_EQ(order_long_double(LLONG_MIN, -9223372036854777856.0), Order::Greater);
  EXPECT_EQ(order_long_double(-1, 0.5), Order::Less);
  EXPECT_EQ(order_long_double(5, 5.5), Order::Less);
  EXPECT_EQ(order_long_double(-5, -5.5), Order::Greater);
  EXPECT_EQ(order_long_double(0, -0.0), Order::Equal);
  EXPECT_EQ(order_long_double(0, -1e-300), Order::Greater);
  EXPECT_EQ(order_long_double(LLONG_MAX, kInf), Order::Less);
  EXPECT_EQ(order_long_double(LLONG_MIN, -kInf), Order::Greater);
  EXPECT_EQ(order_long_double(0, kNaN), Order::Unordered);
}

class Comparisons : public RuntimeTest {};

TEST_F(Comparisons, MixedNumbersCompareExactly) {
  EXPECT_TRUE(holds(Cmp::Gt, k.l(9007199254740993LL), k.d(9007199254740992.0)));
  EXPECT_FALSE(holds(Cmp::Eq, k.l(9007199254740993LL), k.d(9007199254740992.0)));
  EXPECT_TRUE(holds(Cmp::Lt, k.d(9007199254740992.0), k.l(9007199254740993LL)));
  EXPECT_TRUE(holds(Cmp::Ge, k.d(2.5), k.l(2)));
  EXPECT_TRUE(holds(Cmp::Gt, k.l(16777217), k.f(16777216.0f)));
  EXPECT_TRUE(holds(Cmp::Gt, k.i(16777217), k.f(16777216.0f)));  // not via float
  EXPECT_TRUE(holds(Cmp::Ne, k.f(0.1f), k.d(0.1)));
  EXPECT_TRUE(holds(Cmp::Eq, k.f(0.5f), k.d(0.5)));
  EXPECT_TRUE(holds(Cmp::Lt, k.i(-1), k.l(0)));
  EXPECT_TRUE(holds(Cmp::Gt, k.b(200), k.s(-1)));
  EXPECT_TRUE(holds(Cmp::Gt, k.c(65535), k.i(0)));
  EXPECT_TRUE(holds(Cmp::Le, k.l(LLONG_MAX), k.l(LLONG_MAX)));
  EXPECT_TRUE(holds(Cmp::Lt, k.l(LLONG_MAX), k.d(9223372036854775808.0)));
}

TEST_F(Comparisons, SignedZeroAndNaN) {
  EXPECT_TRUE(holds(Cmp::Eq, k.d(-0.0), k.d(0.0)));
  EXPECT_TRUE(holds(Cmp::Eq, k.i(0), k.d(-0.0)));
  EXPECT_TRUE(holds(Cmp::Eq, k.l(0), k.f(-0.0f)));
  Operand* pairs[][2] = {{k.d(kNaN), k.d(kNaN)}, {k.d(kNaN), k.d(1)}, {k.l(1), k.d(kNaN)},
                         {k.d(kNaN), k.l(1)},    {k.i(1), k.f(NAN)},  {k.f(NAN), k.f(NAN)}};
  for (auto& p : pairs) {
    for (Cmp op : {Cmp::Gt, Cmp::Ge, Cmp::Eq, Cmp::Lt, Cmp::Le}) EXPECT_FALSE(holds(op, p[0], p[1]));
    EXPECT_TRUE(holds(Cmp::Ne, p[0], p[1]));
  }
}

TEST_F(Comparisons, StringsInCodeUnitOrder) {
  EXPECT_TRUE(holds(Cmp::Lt, k.str(u"B"), k.str(u"a")));
  EXPECT_TRUE(holds(Cmp::Lt, k.str(u"ab"), k.str(u"abc")));
  EXPECT_TRUE(holds(Cmp::Gt, k.str(u"\uFFFF"), k.str(u"z")));  // units are unsigned
  EXPECT_TRUE(holds(Cmp::Gt, k.str(u"中"), k.str(u"A")));
  EXPECT_TRUE(holds(Cmp::Eq, k.str(u"同"), k.str(u"同")));
  EXPECT_TRUE(holds(Cmp::Ne, k.str(u"a"), k.str(u"A")));
  EXPECT_TRUE(holds(Cmp::Eq, k.str(u""), k.str(u"")));
  EXPECT_TRUE(holds(Cmp::Le, k.str(u""), k.str(u"a")));
  Operand* s = k.str(u"x");
  EXPECT_TRUE(holds(Cmp::Ge, s, s));
  EXPECT_EQ(s->k.str->rc, 1u);
}

struct FakeList : Object {
  FakeList() : Object(tc::ArrayList) {}
};
struct FakeBmp : Object {
  FakeBmp() : Object(tc::Bmp) {}
};

TEST_F(Comparisons, HandlesByIdentity) {
  {
    Operand* a = k.obj(obj_new<FakeList>(rt.objects));
    Operand* b = k.obj(obj_new<FakeList>(rt.objects));
    EXPECT_FALSE(holds(Cmp::Eq, a, b));
    EXPECT_TRUE(holds(Cmp::Ne, a, b));
    EXPECT_TRUE(holds(Cmp::Eq, a, a));
    Operand* m = k.obj(obj_new<FakeBmp>(rt.objects));
    EXPECT_TRUE(holds(Cmp::Eq, m, m));
    EXPECT_FALSE(holds(Cmp::Ne, m, m));
    EXPECT_EQ(a->k.obj->rc, 1u);
    EXPECT_EQ(rt.objects.live(), 3);
  }
}

TEST_F(Comparisons, FailingRightOperandReleasesTheLeftObject) {
  Operand* a = k.obj(obj_new<FakeList>(rt.objects));
  FakeList* held = static_cast<FakeList*>(a->k.obj);
  // A right operand that ends the run after the left one was read.
  Operand* failing = k.scalar(tc::ArrayList, make_obj(nullptr));
  failing->eval = [](Runtime& r, const Operand&) -> Payload { r.fail(u"x"); };
  EXPECT_THROW(holds(Cmp::Eq, a, failing), ScriptExit);
  EXPECT_EQ(held->rc, 1u);
}

}  // namespace
}  // namespace quorin
