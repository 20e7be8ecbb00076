#include <gtest/gtest.h>

#include <string>

#include "runtime/str.h"

namespace quorin {
namespace {

// Appending grows the block geometrically and never loses what was there;
// texts made any other way start with no spare room.
TEST(StrAppend, GrowsGeometricallyAndKeepsTheText) {
  StrRep* r = str_new(u"ab");
  EXPECT_EQ(r->cap, 2u);
  std::u16string expected = u"ab";
  uint32_t grows = 0, last_cap = r->cap;
  for (int i = 0; i < 5000; ++i) {
    const std::u16string piece = i % 7 == 0 ? std::u16string() : std::u16string(static_cast<size_t>(i % 5 + 1), static_cast<char16_t>(u'a' + i % 26));
    r = str_append(r, piece);
    expected += piece;
    ASSERT_EQ(r->len, expected.size());
    ASSERT_GE(r->cap, r->len);
    ASSERT_EQ(r->data[r->len], 0);
    if (r->cap != last_cap) {
      ++grows;
      EXPECT_GE(r->cap, 2 * last_cap);
      last_cap = r->cap;
    }
  }
  EXPECT_EQ(str_view(r), expected);
  EXPECT_LT(grows, 20u);
  EXPECT_EQ(r->rc, 1u);
  str_release(r);

  StrRep* shrunk = str_resize(str_new(u"abcdef"), 3);
  EXPECT_EQ(shrunk->cap, 3u);
  EXPECT_EQ(str_view(shrunk), u"abc");
  str_release(shrunk);
}

}  // namespace
}  // namespace quorin
