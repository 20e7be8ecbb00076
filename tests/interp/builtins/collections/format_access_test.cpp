#include <limits>

#include "builtins/collections/format.h"
#include "coll_fixture.h"

namespace quorin::testing {
namespace {

using CollectionFormatTest = CollFixture;

BmpFacts fake_facts(const Object*) { return BmpFacts{24, 3, 2, 24}; }

TEST_F(CollectionFormatTest, ListsOfScalars) {
  ListArg a = alist(tc::Int);
  EXPECT_EQ(format_collection(*a.v, nullptr), u"ArrayList{}");
  for (int v : {1, 2, 3}) arraylist_add(rt, a, int_arg(v));
  EXPECT_EQ(format_collection(*a.v, nullptr), u"ArrayList{1, 2, 3}");

  ListArg s = alist(tc::String);
  arraylist_add(rt, s, str_arg(u"a"));
  arraylist_add(rt, s, str_arg(u"b"));
  EXPECT_EQ(format_collection(*s.v, nullptr), u"ArrayList{\"a\", \"b\"}");

  LinkedArg c = llist(tc::Char);
  linkedlist_add(rt, c, arg(tc::Char, make_int(u'x')));
  linkedlist_add(rt, c, arg(tc::Char, make_int(0)));
  EXPECT_EQ(format_collection(*c.v, nullptr), u"LinkedList{'x', ''}");

  LinkedArg d = llist(tc::Double);
  for (double v : {2.5, 3.0, 0.000000001, -1.25}) linkedlist_add(rt, d, dbl_arg(v));
  EXPECT_EQ(format_collection(*d.v, nullptr), u"LinkedList{2.5, 3, 0, -1.25}");

  ListArg l = alist(tc::Long);
  arraylist_add(rt, l, arg(tc::Long, make_long(-9000000000LL)));
  arraylist_add(rt, l, arg(tc::Long, make_long(7)));
  EXPECT_EQ(format_collection(*l.v, nullptr), u"ArrayList{-9000000000, 7}");
}

TEST_F(CollectionFormatTest, BmpElementsOnePerLine) {
  ListArg a = alist(tc::Bmp);
  auto* b = obj_new<FakeBmp>(rt.objects);
  arraylist_add(rt, a, bmp_arg(b));
  arraylist_add(rt, a, bmp_arg(b));
  EXPECT_EQ(format_collection(*a.v, &fake_facts),
            u"ArrayList{\r\nBmp@bitCount:24, width:3, height:2, len:24,\r\n"
            u"Bmp@bitCount:24, width:3, height:2, len:24\r\n}");
  obj_release(b);
}

TEST_F(CollectionFormatTest, MapsOneEntryPerLineInIterationOrder) {
  MapArg m = map(tc::Char, tc::Float);
  EXPECT_EQ(format_collection(*m.v, nullptr), u"HashMap{\r\n}");
  hashmap_put(rt, m, arg<tc::GenericK>(tc::Char, make_int(u'b')), flt_arg<tc::GenericV>(1.5f));
  hashmap_put(rt, m, arg<tc::GenericK>(tc::Char, make_int(u'a')), flt_arg<tc::GenericV>(2.0f));
  EXPECT_EQ(format_collection(*m.v, nullptr), u"HashMap{\r\n'a':2\r\n'b':1.5\r\n}");

  MapArg bm = map(tc::Bmp, tc::String, u"bm");
  auto* b = obj_new<FakeBmp>(rt.objects);
  hashmap_put(rt, bm, bmp_arg<tc::GenericK>(b), str_arg<tc::GenericV>(u"img"));
  EXPECT_EQ(format_collection(*bm.v, &fake_facts), u"HashMap{\r\n[Bmp@bitCount:24, width:3, height:2, len:24]:\"img\"\r\n}");
  obj_release(b);
}

TEST_F(CollectionFormatTest, IteratorShowsWhatIsLeft) {
  LinkedArg l = llist(tc::Int);
  for (int v : {1, 2, 3}) linkedlist_add(rt, l, int_arg(v));
  IterArg it = hold(linkedlist_iterator(rt, l));
  as_int(iterator_next(rt, it));
  EXPECT_EQ(format_collection(*it.v, nullptr), u"Iterator{2, 3}");
  EXPECT_EQ(as_int(iterator_next(rt, it)), 2);  // printing consumed nothing
}

using CollectionAccessTest = CollFixture;

TEST_F(CollectionAccessTest, NewCollectionsAndLoopReads) {
  EXPECT_EQ(collection_new(rt.objects, tc::Int, tc::Int), nullptr);
  Value* a = make(tc::ArrayList, tc::String);
  Value* l = make(tc::LinkedList, tc::Int);
  EXPECT_EQ(a->v.obj->type, tc::ArrayList);
  EXPECT_EQ(list_count(a->v.obj), 0u);
  arraylist_add(rt, ListArg{a, u"a"}, str_arg(u"s"));
  Value e = list_element(a->v.obj, 0);
  EXPECT_EQ(as_str(e), u"s");
  for (int v = 0; v < 50; ++v) linkedlist_add(rt, LinkedArg{l, u"l"}, int_arg(v * v));
  // A loop that re-reads the count each round and removes the element after
  // the one it just read.
  std::vector<int32_t> seen;
  for (size_t k = 0; k < list_count(l->v.obj); ++k) {
    seen.push_back(as_int(list_element(l->v.obj, k)));
    if (k + 1 < list_count(l->v.obj)) linkedlist_remove_index(rt, LinkedArg{l, u"l"}, static_cast<int32_t>(k + 1));
  }
  EXPECT_EQ(seen.size(), 25u);
  EXPECT_EQ(seen[24], 48 * 48);

  Value* m = make(tc::HashMap, 0, tc::Long, tc::Bmp);
  EXPECT_EQ(static_cast<HashMapObj*>(m->v.obj)->key_ops.type, tc::Long);
  EXPECT_EQ(static_cast<HashMapObj*>(m->v.obj)->val_ops.type, tc::Bmp);
}

}  // namespace
}  // namespace quorin::testing
