#include <limits>

#include "coll_fixture.h"

namespace quorin::testing {
namespace {

using ArrayListTest = CollFixture;

std::vector<int32_t> ints(ListArg a) {
  auto& l = *static_cast<ArrayListObj*>(a.obj());
  std::vector<int32_t> out;
  for (size_t k = 0; k < l.size(); ++k) out.push_back(l.at(k).i);
  return out;
}

TEST_F(ArrayListTest, AddInsertSetRemoveKeepOrder) {
  ListArg a = alist(tc::Int);
  for (int v : {1, 2, 3}) arraylist_add(rt, a, int_arg(v));
  arraylist_insert(rt, a, 0, int_arg(0));
  arraylist_insert(rt, a, 4, int_arg(4));  // at size: appends
  arraylist_insert(rt, a, 2, int_arg(9));
  EXPECT_EQ(ints(a), (std::vector<int32_t>{0, 1, 9, 2, 3, 4}));
  EXPECT_EQ(as_int(arraylist_set(rt, a, 2, int_arg(7))), 9);
  EXPECT_EQ(as_int(arraylist_remove_index(rt, a, 0)), 0);
  EXPECT_EQ(as_int(arraylist_get(rt, a, 1)), 7);
  EXPECT_EQ(arraylist_get_size(a), 5);
  EXPECT_EQ(ints(a), (std::vector<int32_t>{1, 7, 2, 3, 4}));
  arraylist_clear(a);
  EXPECT_EQ(arraylist_get_size(a), 0);
}

TEST_F(ArrayListTest, IndexErrorsNameTheVariable) {
  ListArg a = alist(tc::Int, u"nums");
  arraylist_add(rt, a, int_arg(5));
  rt.pos_line = 12;
  expect_error([&] { arraylist_insert(rt, a, 2, int_arg(1)); },
               u"运行时错误：\n\n行: 12, arraylist_insert(nums, 2, ...) 动态数组索引越界.\n\n数组大小: 1, 索引位置: 2");
  expect_error([&] { arraylist_get(rt, a, -1); },
               u"运行时错误：\n\n行: 12, arraylist_get(nums, -1) 动态数组索引越界.\n\n数组大小: 1, 索引位置:-1");
  expect_error([&] { arraylist_set(rt, a, 1, int_arg(0)); },
               u"运行时错误：\n\n行: 12, arraylist_set(nums, 1, ...) 动态数组索引越界.\n\n数组大小: 1, 索引位置: 1");
  expect_error([&] { arraylist_remove_index(rt, a, 1); },
               u"运行时错误：\n\n行: 12, arraylist_remove_index(nums, 1) 动态数组索引越界.\n\n数组大小: 1, 索引位置: 1");
  EXPECT_EQ(ints(a), (std::vector<int32_t>{5}));
}

TEST_F(ArrayListTest, FailedInsertOfAStringLeaksNothing) {
  ListArg a = alist(tc::String);
  StrRep* text = str_new(u"kept?");
  expect_error([&] { arraylist_insert(rt, a, 3, arg(tc::String, make_str(text))); },
               u"运行时错误：\n\n行: -1, arraylist_insert(a, 3, ...) 动态数组索引越界.\n\n数组大小: 0, 索引位置: 3");
  EXPECT_EQ(text->rc, 1u);  // only the operand's own reference is left
}

TEST_F(ArrayListTest, CapacityGrowsAtLeastByTheStep) {
  ListArg a = alist(tc::Int);
  auto& l = *static_cast<ArrayListObj*>(a.obj());
  EXPECT_EQ(l.capacity(), 10u);
  for (int v = 0; v < 11; ++v) arraylist_add(rt, a, int_arg(v));
  EXPECT_EQ(l.capacity(), 20u);
  arraylist_reset_capacity_factor(a, 100, 50);
  EXPECT_EQ(l.capacity(), 100u);
  EXPECT_EQ(l.step(), 50u);
  for (int v = 0; v < 90; ++v) arraylist_add(rt, a, int_arg(v));
  EXPECT_GE(l.capacity(), 150u);
  // Holding at least the requested capacity: nothing changes but the step.
  size_t before = l.capacity();
  arraylist_reset_capacity_factor(a, 20, 3);
  EXPECT_EQ(l.capacity(), before);
  EXPECT_EQ(l.step(), 10u);
  // Fewer elements than the request: exactly that capacity, even shrinking.
  arraylist_clear(a);
  EXPECT_EQ(l.capacity(), before);
  arraylist_reset_capacity_factor(a, 0, 0);
  EXPECT_EQ(l.capacity(), 10u);
}

TEST_F(ArrayListTest, HugeCapacityRequestsDoNotExhaustMemory) {
  ListArg a = alist(tc::Int);
  auto& l = *static_cast<ArrayListObj*>(a.obj());
  arraylist_reset_capacity_factor(a, 2147483647, 2147483647);
  EXPECT_LE(l.capacity(), size_t{1} << 20);
  for (int v = 0; v < 3; ++v) arraylist_add(rt, a, int_arg(v));
  EXPECT_EQ(as_int(arraylist_get(rt, a, 2)), 2);
}

TEST_F(ArrayListTest, ManyAddsStayInOrder) {
  ListArg a = alist(tc::Int);
  for (int v = 0; v < 100000; ++v) arraylist_add(rt, a, int_arg(v));
  EXPECT_EQ(arraylist_get_size(a), 100000);
  EXPECT_EQ(as_int(arraylist_get(rt, a, 99999)), 99999);
  EXPECT_EQ(arraylist_index_of(rt, a, int_arg(54321)), 54321);
}

TEST_F(ArrayListTest, NumericEqualityNeverMatchesNaNButMatchesSignedZero) {
  ListArg a = alist(tc::Double);
  double nan = std::numeric_limits<double>::quiet_NaN();
  arraylist_add(rt, a, dbl_arg(nan));
  arraylist_add(rt, a, dbl_arg(0.0));
  arraylist_add(rt, a, dbl_arg(1.5));
  arraylist_add(rt, a, dbl_arg(0.0));
  EXPECT_EQ(arraylist_contains(rt, a, dbl_arg(nan)), 0);
  EXPECT_EQ(arraylist_index_of(rt, a, dbl_arg(-0.0)), 1);
  EXPECT_EQ(arraylist_last_index_of(rt, a, dbl_arg(-0.0)), 3);
  EXPECT_EQ(arraylist_remove(rt, a, dbl_arg(nan)), 0);
  EXPECT_EQ(arraylist_remove(rt, a, dbl_arg(1.5)), 1);
  EXPECT_EQ(arraylist_get_size(a), 3);

  ListArg fl = alist(tc::Float, u"fl");
  arraylist_add(rt, fl, flt_arg(-0.0f));
  EXPECT_EQ(arraylist_contains(rt, fl, flt_arg(0.0f)), 1);
}

TEST_F(ArrayListTest, SmallIntegersAreStoredInTheirOwnWidth) {
  ListArg b = alist(tc::Byte, u"b");
  arraylist_add(rt, b, arg(tc::Byte, make_int(200)));
  Value v = arraylist_get(rt, b, 0);
  EXPECT_EQ(v.type, tc::Byte);
  EXPECT_EQ(v.v.i, 200);
  EXPECT_EQ(v.v.b, 200);
  ListArg sh = alist(tc::Short, u"sh");
  arraylist_add(rt, sh, arg(tc::Short, make_int(-2)));
  EXPECT_EQ(arraylist_index_of(rt, sh, arg(tc::Short, make_int(-2))), 0);
  EXPECT_EQ(arraylist_get(rt, sh, 0).v.s, -2);
}

TEST_F(ArrayListTest, StringsCompareByCodeUnits) {
  ListArg a = alist(tc::String);
  arraylist_add(rt, a, str_arg(u"Name"));
  arraylist_add(rt, a, str_arg(u"name"));
  EXPECT_EQ(arraylist_index_of(rt, a, str_arg(u"name")), 1);
  EXPECT_EQ(arraylist_contains(rt, a, str_arg(u"NAME")), 0);
  EXPECT_EQ(as_str(arraylist_get(rt, a, 0)), u"Name");
  EXPECT_EQ(as_str(arraylist_set(rt, a, 0, str_arg(u"x"))), u"Name");
  EXPECT_EQ(as_str(arraylist_remove_index(rt, a, 1)), u"name");
}

TEST_F(ArrayListTest, BmpElementsAreCountedReferencesComparedByIdentity) {
  ListArg a = alist(tc::Bmp);
  auto* b1 = obj_new<FakeBmp>(rt.objects);  // the test's own hold
  auto* b2 = obj_new<FakeBmp>(rt.objects);
  auto x1 = bmp_arg(b1), x2 = bmp_arg(b2);
  arraylist_add(rt, a, x1);
  arraylist_add(rt, a, x2);
  arraylist_add(rt, a, x1);
  EXPECT_EQ(b1->rc, 4u);  // test, operand, two elements
  EXPECT_EQ(arraylist_last_index_of(rt, a, x1), 2);
  auto* stranger = obj_new<FakeBmp>(rt.objects);
  EXPECT_EQ(arraylist_index_of(rt, a, bmp_arg(stranger)), -1);
  obj_release(stranger);
  EXPECT_EQ(b1->rc, 4u);
  Value got = arraylist_get(rt, a, 0);  // shared, with a hold of its own
  EXPECT_EQ(got.v.obj, b1);
  EXPECT_EQ(b1->rc, 5u);
  obj_release(got.v.obj);
  EXPECT_EQ(arraylist_remove(rt, a, x1), 1);
  EXPECT_EQ(b1->rc, 3u);
  arraylist_clear(a);
  EXPECT_EQ(b1->rc, 2u);

  // A list that is freed with elements in it lets go of them.
  ListArg other = alist(tc::Bmp, u"other");
  arraylist_add(rt, other, x2);
  EXPECT_EQ(b2->rc, 3u);
  obj_release(b1);
  obj_release(b2);
}

}  // namespace
}  // namespace quorin::testing
