#include "support/chain_map.h"

#include <gtest/gtest.h>

namespace quorin {
namespace {

TEST(ChainMap, DoublesAtThresholdAndKeepsChainOrder) {
  NameMap<int> m(16);
  EXPECT_EQ(m.threshold(), 12u);
  for (int i = 0; i < 11; ++i) m.insert(std::u16string(1, static_cast<char16_t>(u'a' + i)), i);
  EXPECT_EQ(m.bucket_count(), 16u);
  m.insert(u"l", 11);  // the 12th key reaches the threshold
  EXPECT_EQ(m.bucket_count(), 32u);
  EXPECT_EQ(m.threshold(), 24u);
  ASSERT_NE(m.find(std::u16string_view(u"c")), nullptr);
  EXPECT_EQ(*m.find(std::u16string_view(u"c")), 2);
}

TEST(ChainMap, IterationIsBucketThenInsertionOrder) {
  // "Aa" and "BB" share a hash, so they share a bucket in insertion order.
  NameMap<int> m(8);
  m.insert(u"BB", 1);
  m.insert(u"Aa", 2);
  EXPECT_EQ(name_hash(u"Aa"), name_hash(u"BB"));
  std::vector<int> order;
  m.for_each([&](auto& e) { order.push_back(e.value); });
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  // A rebuild keeps the relative order within a chain.
  m.rebuild(64);
  order.clear();
  m.for_each([&](auto& e) { order.push_back(e.value); });
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(ChainMap, EraseAndCaseSensitivity) {
  NameMap<int> m(8);
  m.insert(u"Name", 1);
  EXPECT_EQ(m.find(std::u16string_view(u"name")), nullptr);
  EXPECT_FALSE(m.insert(u"Name", 5).second);
  EXPECT_TRUE(m.erase(std::u16string_view(u"Name")));
  EXPECT_EQ(m.size(), 0u);
}

}  // namespace
}  // namespace quorin
