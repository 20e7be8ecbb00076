#include <random>

#include "coll_fixture.h"

namespace quorin::testing {
namespace {

using LinkedListTest = CollFixture;

std::vector<int32_t> ints(LinkedArg a) {
  auto& l = *static_cast<LinkedListObj*>(a.obj());
  std::vector<int32_t> out;
  for (LinkedNode* n = l.head(); n; n = n->next) out.push_back(n->v.i);
  // The backward links must agree with the forward ones.
  std::vector<int32_t> back;
  for (LinkedNode* n = l.tail(); n; n = n->prev) back.insert(back.begin(), n->v.i);
  EXPECT_EQ(out, back);
  EXPECT_EQ(out.size(), l.size());
  return out;
}

TEST_F(LinkedListTest, EndsAndIndexedOperations) {
  LinkedArg l = llist(tc::Int);
  linkedlist_add(rt, l, int_arg(2));
  linkedlist_add_first(rt, l, int_arg(1));
  linkedlist_add(rt, l, int_arg(4));
  linkedlist_insert(rt, l, 2, int_arg(3));
  linkedlist_insert(rt, l, 4, int_arg(5));  // at size: appends
  EXPECT_EQ(ints(l), (std::vector<int32_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(as_int(linkedlist_get_first(rt, l)), 1);
  EXPECT_EQ(as_int(linkedlist_get_last(rt, l)), 5);
  EXPECT_EQ(as_int(linkedlist_set(rt, l, 1, int_arg(20))), 2);
  EXPECT_EQ(as_int(linkedlist_remove_index(rt, l, 2)), 3);
  EXPECT_EQ(as_int(linkedlist_remove_first(rt, l)), 1);
  EXPECT_EQ(as_int(linkedlist_remove_last(rt, l)), 5);
  EXPECT_EQ(ints(l), (std::vector<int32_t>{20, 4}));
  linkedlist_add(rt, l, int_arg(20));
  EXPECT_EQ(linkedlist_index_of(rt, l, int_arg(20)), 0);
  EXPECT_EQ(linkedlist_last_index_of(rt, l, int_arg(20)), 2);
  EXPECT_EQ(linkedlist_contains(rt, l, int_arg(7)), 0);
  EXPECT_EQ(linkedlist_remove(rt, l, int_arg(20)), 1);
  EXPECT_EQ(ints(l), (std::vector<int32_t>{4, 20}));
  linkedlist_clear(l);
  EXPECT_EQ(linkedlist_get_size(l), 0);
}

// Random edits checked against a vector, with indexed reads in between so
// that the remembered position is used and must be dropped at the right times.
TEST_F(LinkedListTest, MatchesAVectorUnderRandomEdits) {
  LinkedArg l = llist(tc::Int);
  std::vector<int32_t> model;
  std::mt19937 rng(7);
  for (int round = 0; round < 3000; ++round) {
    int size = static_cast<int>(model.size());
    int op = static_cast<int>(rng() % 7);
    int at = size ? static_cast<int>(rng() % static_cast<unsigned>(size)) : 0;
    switch (op) {
      case 0:
        linkedlist_add(rt, l, int_arg(round));
        model.push_back(round);
        break;
      case 1:
        linkedlist_add_first(rt, l, int_arg(round));
        model.insert(model.begin(), round);
        break;
      case 2: {
        int pos = static_cast<int>(rng() % static_cast<unsigned>(size + 1));
        linkedlist_insert(rt, l, pos, int_arg(round));
        model.insert(model.begin() + pos, round);
        break;
      }
      case 3:
        if (size) {
          EXPECT_EQ(as_int(linkedlist_remove_index(rt, l, at)), model[static_cast<size_t>(at)]);
          model.erase(model.begin() + at);
        }
        break;
      case 4:
        if (size) {
          EXPECT_EQ(as_int(linkedlist_set(rt, l, at, int_arg(-round))), model[static_cast<size_t>(at)]);
          model[static_cast<size_t>(at)] = -round;
        }
        break;
      default:
        // A run of reads by rising index from a random start.
        for (int k = at; k < size && k < at + 5; ++k)
          ASSERT_EQ(as_int(linkedlist_get(rt, l, k)), model[static_cast<size_t>(k)]);
        break;
    }
  }
  EXPECT_EQ(ints(l), model);
}

TEST_F(LinkedListTest, IndexAndEmptyErrors) {
  LinkedArg l = llist(tc::Int, u"queue");
  rt.pos_line = 3;
  expect_error([&] { linkedlist_insert(rt, l, 1, int_arg(0)); },
               u"运行时错误：\n\n行: 3, linkedlist_insert(queue, 1, ...) 链表索引越界.\n\n链表大小: 0, 索引位置: 1");
  expect_error([&] { linkedlist_get(rt, l, 0); },
               u"运行时错误：\n\n行: 3, linkedlist_get(queue, 0) 链表索引越界.\n\n链表大小: 0, 索引位置:0");
  expect_error([&] { linkedlist_set(rt, l, -1, int_arg(0)); },
               u"运行时错误：\n\n行: 3, linkedlist_set(queue, -1, ...) 链表索引越界.\n\n链表大小: 0, 索引位置: -1");
  expect_error([&] { linkedlist_remove_index(rt, l, 0); },
               u"运行时错误：\n\n行: 3, linkedlist_remove_index(queue, 0) 链表索引越界.\n\n链表大小: 0, 索引位置: 0");
  for (auto [fn, name] : {std::pair{&linkedlist_get_first, u"linkedlist_get_first"},
                          std::pair{&linkedlist_get_last, u"linkedlist_get_last"},
                          std::pair{&linkedlist_remove_first, u"linkedlist_remove_first"},
                          std::pair{&linkedlist_remove_last, u"linkedlist_remove_last"}}) {
    expect_error([&] { fn(rt, l); }, u"运行时错误：\n\n行: 3, " + std::u16string(name) + u"(queue) 链表为空");
  }
}

TEST_F(LinkedListTest, StringElementsAreHandedOutAsTheirOwnValues) {
  LinkedArg l = llist(tc::String);
  linkedlist_add(rt, l, str_arg(u"a"));
  linkedlist_add(rt, l, str_arg(u"b"));
  EXPECT_EQ(as_str(linkedlist_get(rt, l, 1)), u"b");
  EXPECT_EQ(as_str(linkedlist_remove_first(rt, l)), u"a");
  EXPECT_EQ(linkedlist_index_of(rt, l, str_arg(u"B")), -1);
  EXPECT_EQ(as_str(linkedlist_get_last(rt, l)), u"b");
}

// ---- iterators over the live list ----

std::vector<int32_t> drain(Runtime& rt, IterArg it) {
  std::vector<int32_t> out;
  while (iterator_has_next(it)) out.push_back(as_int(iterator_next(rt, it)));
  return out;
}

TEST_F(LinkedListTest, IteratorsWalkForwardAndBackward) {
  LinkedArg l = llist(tc::Int);
  for (int v : {1, 2, 3}) linkedlist_add(rt, l, int_arg(v));
  EXPECT_EQ(drain(rt, hold(linkedlist_iterator(rt, l))), (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(drain(rt, hold(linkedlist_iterator_reverse(rt, l))), (std::vector<int32_t>{3, 2, 1}));
}

TEST_F(LinkedListTest, ExhaustedIteratorNamesItselfTwice) {
  LinkedArg l = llist(tc::Int);
  IterArg it = hold(linkedlist_iterator(rt, l), u"walker");
  rt.pos_line = 9;
  expect_error([&] { iterator_next(rt, it); },
               u"运行时错误：\n\n行: 9, iterator_next(walker) 没有元素可以迭代.\n\n"
               u"提示：代码中需要先判断 iterator_has_next(walker) == qrTrue");
  // A declared iterator that was never given a source is empty.
  Value* fresh = make(tc::Iterator, tc::Int);
  EXPECT_EQ(iterator_has_next(IterArg{fresh, u"x"}), 0);
}

TEST_F(LinkedListTest, IteratorSurvivesRemovalOfWhatItReturned) {
  LinkedArg l = llist(tc::Int);
  for (int v : {1, 2, 3, 4, 5}) linkedlist_add(rt, l, int_arg(v));
  IterArg fwd = hold(linkedlist_iterator(rt, l));
  IterArg rev = hold(linkedlist_iterator_reverse(rt, l));
  EXPECT_EQ(as_int(iterator_next(rt, fwd)), 1);
  EXPECT_EQ(as_int(iterator_next(rt, fwd)), 2);
  EXPECT_EQ(as_int(iterator_next(rt, rev)), 5);
  EXPECT_EQ(as_int(iterator_next(rt, rev)), 4);
  // Remove the elements both just returned, and the one each would return next.
  EXPECT_EQ(linkedlist_remove(rt, l, int_arg(2)), 1);
  EXPECT_EQ(linkedlist_remove(rt, l, int_arg(4)), 1);
  EXPECT_EQ(linkedlist_remove(rt, l, int_arg(3)), 1);
  EXPECT_EQ(drain(rt, fwd), (std::vector<int32_t>{5}));
  EXPECT_EQ(drain(rt, rev), (std::vector<int32_t>{1}));
  // An exhausted forward iterator sees an element appended later.
  linkedlist_add(rt, l, int_arg(6));
  EXPECT_EQ(drain(rt, fwd), (std::vector<int32_t>{6}));
}

TEST_F(LinkedListTest, IteratorAfterClearAndRemovingTheHead) {
  LinkedArg l = llist(tc::String);
  linkedlist_add(rt, l, str_arg(u"a"));
  linkedlist_add(rt, l, str_arg(u"b"));
  IterArg it = hold(linkedlist_iterator(rt, l));
  EXPECT_EQ(as_str(iterator_next(rt, it)), u"a");
  as_str(linkedlist_remove_first(rt, l));  // what it returned, with nothing before it
  EXPECT_EQ(as_str(iterator_next(rt, it)), u"b");
  linkedlist_clear(l);
  EXPECT_EQ(iterator_has_next(it), 0);
  linkedlist_add(rt, l, str_arg(u"c"));
  EXPECT_EQ(as_str(iterator_next(rt, it)), u"c");
}

TEST_F(LinkedListTest, IteratorKeepsItsListAlive) {
  Value* list = make(tc::LinkedList, tc::Bmp);
  auto* b = obj_new<FakeBmp>(rt.objects);
  linkedlist_add(rt, LinkedArg{list, u"l"}, bmp_arg(b));
  IterArg it = hold(linkedlist_iterator(rt, LinkedArg{list, u"l"}));
  // The list variable goes away; the iterator still reads the live list.
  obj_release(std::exchange(list->v.obj, nullptr));
  EXPECT_EQ(rt.objects.live(), 3);  // image, list, iterator
  Value v = iterator_next(rt, it);
  EXPECT_EQ(v.v.obj, b);
  obj_release(v.v.obj);
  obj_release(b);
}

}  // namespace
}  // namespace quorin::testing
