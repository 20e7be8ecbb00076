#include <string>
#include <vector>

#include "builtins/strings/case_map.h"
#include "builtins/strings/text_ops.h"
#include "strings_test_support.h"

namespace quorin::strings_test {
namespace {

using namespace quorin::strings;

std::vector<std::u16string> pieces(std::u16string_view s, std::u16string_view sep) {
  std::vector<std::u16string> out;
  for (const Str& p : split_text(s, sep)) out.push_back(p.str());
  return out;
}

TEST(StringEdit, ReplaceIsOnePassLeftToRight) {
  EXPECT_EQ(replace(u"a.b.c", u".", u"::").str(), u"a::b::c");
  EXPECT_EQ(replace(u"aaaa", u"aa", u"a").str(), u"aa");  // no re-scan of the output
  EXPECT_EQ(replace(u"aaa", u"aa", u"b").str(), u"ba");   // non-overlapping
  EXPECT_EQ(replace(u"abc", u"", u"x").str(), u"abc");
  EXPECT_EQ(replace(u"", u"a", u"x").str(), u"");
  EXPECT_EQ(replace(u"abc", u"abc", u"").str(), u"");
  EXPECT_EQ(replace(u"abc", u"x", u"y").str(), u"abc");
  EXPECT_EQ(replace_first(u"a.b.c", u".", u"-").str(), u"a-b.c");
  EXPECT_EQ(replace_first(u"abc", u"x", u"-").str(), u"abc");
  EXPECT_EQ(replace_first(u"abc", u"", u"-").str(), u"abc");
  EXPECT_EQ(replace_first(u"abc", u"c", u"中文").str(), u"ab中文");
}

TEST(StringEdit, ReplaceManyMatchesPastTheFirstTable) {
  std::u16string s;
  for (int i = 0; i < 1000; ++i) s += u"ab";
  std::u16string expect;
  for (int i = 0; i < 1000; ++i) expect += u"xyzb";
  EXPECT_EQ(replace(Str(s), u"a", u"xyz").str(), expect);
}

TEST(StringEdit, SplitRules) {
  using V = std::vector<std::u16string>;
  EXPECT_EQ(pieces(u"a,,b,", u","), (V{u"a", u"", u"b", u""}));
  EXPECT_EQ(pieces(u"", u","), (V{u""}));
  EXPECT_EQ(pieces(u"", u""), V{});
  EXPECT_EQ(pieces(u"ab", u""), (V{u"a", u"b"}));
  EXPECT_EQ(pieces(u"a::b:::c", u"::"), (V{u"a", u"b", u":c"}));
  EXPECT_EQ(pieces(u"abc", u"x"), (V{u"abc"}));
  // An empty separator cuts code units, so a pair outside the plane splits in two.
  EXPECT_EQ(pieces(u"\U0001F600", u"").size(), 2u);
}

TEST(StringEdit, TrimOnlyTheFourBlanks) {
  EXPECT_EQ(trim(u" \t\r\n x y \n").str(), u"x y");
  EXPECT_EQ(ltrim(u"  x ").str(), u"x ");
  EXPECT_EQ(rtrim(u"  x ").str(), u"  x");
  EXPECT_EQ(trim(u"\v\fx\u3000").str(), u"\v\fx\u3000");  // VT, FF, ideographic space stay
  EXPECT_EQ(trim(u" \t ").str(), u"");
}

TEST(StringEdit, CaseMapping) {
  EXPECT_EQ(ucase(u"abc-XYZ 中文").str(), u"ABC-XYZ 中文");
  EXPECT_EQ(lcase(u"ABC-xyz").str(), u"abc-xyz");
  EXPECT_EQ(ucase(u"ａｂｃ").str(), u"ＡＢＣ");  // full-width
  EXPECT_EQ(lcase(u"ＡＢＣ").str(), u"ａｂｃ");
  EXPECT_EQ(ucase(u"àéîõüÿ").str(), u"ÀÉÎÕÜŸ");
  EXPECT_EQ(ucase(u"āáǎàǖǘǚǜ").str(), u"ĀÁǍÀǕǗǙǛ");  // pinyin
  EXPECT_EQ(lcase(u"ΑΒΓΣ").str(), u"αβγσ");
  EXPECT_EQ(ucase(u"αβγσς").str(), u"ΑΒΓΣΣ");
  EXPECT_EQ(ucase(u"абвёя").str(), u"АБВЁЯ");
  EXPECT_EQ(lcase(u"ⅠⅫ").str(), u"ⅰⅻ");
  EXPECT_EQ(ucase(u"ⓐⓩ").str(), u"ⒶⓏ");
  // No mapping leaves the plain-ASCII range or changes the length.
  EXPECT_EQ(lcase(u"İ").str(), u"İ");
  EXPECT_EQ(ucase(u"ıſß").str(), u"ıſß");
  EXPECT_EQ(ucase(u"\U00010428").str(), u"\U00010428");
}

TEST(StringEdit, CaseTablesAreInverseOfEachOther) {
  for (uint32_t c = 0; c < 0x10000; ++c) {
    auto u = static_cast<char16_t>(c);
    char16_t lo = lower_unit(u), up = upper_unit(u);
    if (lo != u) {
      EXPECT_EQ(upper_unit(lo), u) << std::hex << c;
    }
    if (up != u && u != u'\x3C2') {
      EXPECT_EQ(lower_unit(up), u) << std::hex << c;
    }
    EXPECT_FALSE(c >= 0x80 && (lo < 0x80 || up < 0x80)) << std::hex << c;
  }
}

}  // namespace
}  // namespace quorin::strings_test
