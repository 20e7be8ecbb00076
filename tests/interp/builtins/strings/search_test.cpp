#include <random>
#include <string>

#include "builtins/strings/text_finder.h"
#include "strings_test_support.h"

namespace quorin::strings_test {
namespace {

using namespace quorin::strings;

TEST(StringSearch, IndexOfStartRules) {
  EXPECT_EQ(index_of(u"abcabc", u"c"), 2);
  EXPECT_EQ(index_of_from(u"abcabc", u"c", 3), 5);
  EXPECT_EQ(index_of_from(u"abc", u"c", -4), 2);
  EXPECT_EQ(index_of_from(u"abc", u"", 1), 1);
  EXPECT_EQ(index_of_from(u"abc", u"", 5), 3);
  EXPECT_EQ(index_of_from(u"abc", u"a", 3), -1);
  EXPECT_EQ(index_of(u"", u""), 0);
  EXPECT_EQ(index_of(u"abc", u"abcd"), -1);
  EXPECT_EQ(index_of(u"abc", u"C"), -1);  // case-sensitive
}

TEST(StringSearch, LastIndexOfMatchMustEndByStart) {
  EXPECT_EQ(last_index_of_from(u"abcabc", u"bc", 4), 1);  // the one at 4 ends at 5
  EXPECT_EQ(last_index_of_from(u"abcabc", u"bc", 5), 4);
  EXPECT_EQ(last_index_of_from(u"abcabc", u"bc", 99), 4);
  EXPECT_EQ(last_index_of_from(u"abcabc", u"bc", 1), -1);
  EXPECT_EQ(last_index_of_from(u"abc", u"a", -1), -1);
  EXPECT_EQ(last_index_of_from(u"abc", u"", 1), 1);
  EXPECT_EQ(last_index_of_from(u"abc", u"", 3), 3);
  EXPECT_EQ(last_index_of_from(u"abc", u"", -1), -1);
  EXPECT_EQ(last_index_of(u"abc", u""), 3);
  EXPECT_EQ(last_index_of(u"abcabc", u"abc"), 3);
  EXPECT_EQ(last_index_of(u"abc", u"x"), -1);
}

TEST(StringSearch, StartsAndEndsWith) {
  EXPECT_EQ(starts_with(u"abc", u"ab"), 1);
  EXPECT_EQ(starts_with(u"abc", u""), 1);
  EXPECT_EQ(starts_with(u"ab", u"abc"), 0);
  EXPECT_EQ(starts_with_at(u"abc", u"bc", 1), 1);
  EXPECT_EQ(starts_with_at(u"abc", u"bc", -1), 0);
  EXPECT_EQ(starts_with_at(u"abc", u"c", 3), 0);
  EXPECT_EQ(starts_with_at(u"abc", u"", 3), 1);
  EXPECT_EQ(starts_with_at(u"abc", u"", 4), 0);
  EXPECT_EQ(ends_with(u"abc", u"bc"), 1);
  EXPECT_EQ(ends_with(u"abc", u""), 1);
  EXPECT_EQ(ends_with(u"bc", u"abc"), 0);
  EXPECT_EQ(ends_with(u"abc", u"ab"), 0);
}

TEST(StringSearch, UnitsOutsideTheBasicPlaneCountTwo) {
  Str s(u"a\U0001F600b");
  EXPECT_EQ(len(s), 4);
  EXPECT_EQ(index_of(s, u"b"), 3);
  EXPECT_EQ(index_of(s, Str(u"\U0001F600")), 1);
}

// The finder against the plain library search, on texts over a two-letter
// alphabet (many partial matches, so the table search is exercised too).
TEST(TextFinder, AgreesWithPlainSearchInBothDirections) {
  std::mt19937 rng(12345);
  for (int round = 0; round < 3000; ++round) {
    std::u16string hay(rng() % 60, u'a'), needle(1 + rng() % 8, u'a');
    for (auto& c : hay) c = (rng() % 5 == 0) ? u'b' : u'a';
    for (auto& c : needle) c = (rng() % 6 == 0) ? u'b' : u'a';
    std::u16string_view h(hay), n(needle);
    TextFinder f(n);
    for (size_t from = 0; from <= hay.size() + 1; from += 1 + rng() % 7)
      ASSERT_EQ(f.find(h, from), h.find(n, from)) << round << " from " << from;
    TextFinder b(n);
    for (size_t end = 0; end <= hay.size(); end += 1 + rng() % 5) {
      size_t expect = end >= n.size() ? h.substr(0, end).rfind(n) : std::u16string_view::npos;
      ASSERT_EQ(b.find_last(h, end), expect) << round << " end " << end;
    }
  }
}

// "aaa…ab" in a long run of "a": the plain scan would compare the whole
// needle at every position.
TEST(TextFinder, AdversarialNeedlesStayLinear) {
  const size_t n = 2'000'000;
  std::u16string hay(n, u'a');
  std::u16string needle(5000, u'a');
  needle.back() = u'b';
  EXPECT_EQ(TextFinder(needle).find(hay, 0), TextFinder::npos);
  hay.back() = u'b';
  EXPECT_EQ(TextFinder(needle).find(hay, 0), n - needle.size());
  std::u16string rneedle = needle;
  rneedle.front() = u'b';
  rneedle.back() = u'a';
  hay.back() = u'a';
  hay.front() = u'b';
  EXPECT_EQ(TextFinder(rneedle).find_last(hay, n), 0u);
}

}  // namespace
}  // namespace quorin::strings_test
