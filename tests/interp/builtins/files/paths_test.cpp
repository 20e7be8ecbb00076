#include "builtins/files/paths.h"

#include <gtest/gtest.h>

namespace quorin::files {
namespace {

TEST(FilePaths, FolderLevelsAndTrimming) {
  EXPECT_EQ(trim_folder_path(u"C:\\a\\b\\  "), u"C:\\a\\b");
  EXPECT_EQ(trim_folder_path(u"C:\\a\\\\"), u"C:\\a\\");  // at most one separator goes
  EXPECT_TRUE(is_bare_drive(u"C:"));
  EXPECT_TRUE(is_bare_drive(u":"));
  EXPECT_FALSE(is_bare_drive(u"ab"));
  using V = std::vector<std::u16string>;
  EXPECT_EQ(folder_levels(u"C:\\a/b\\\\c", u'\\'), (V{u"C:\\", u"C:\\a", u"C:\\a\\b", u"C:\\a\\b\\c"}));
  EXPECT_EQ(folder_levels(u"/tmp/x", u'/'), (V{u"/tmp", u"/tmp/x"}));
  EXPECT_EQ(folder_levels(u"\\\\srv\\share\\d", u'\\'), (V{u"\\\\srv", u"\\\\srv\\share", u"\\\\srv\\share\\d"}));
  EXPECT_EQ(folder_levels(u"rel\\x", u'\\'), (V{u"rel", u"rel\\x"}));
  std::u16string many;
  for (int i = 0; i < 65; ++i) many += u"\\p";
  EXPECT_TRUE(folder_levels(many, u'\\').empty());
  EXPECT_TRUE(folder_levels(u"\\\\", u'\\').empty());
}

TEST(FilePaths, LongPathPrefix) {
  EXPECT_EQ(prefixed(u"C:/a\\b"), u"\\\\?\\C:\\a\\b");
  EXPECT_EQ(prefixed(u"\\\\server\\share\\f"), u"\\\\?\\UNC\\server\\share\\f");
  EXPECT_EQ(prefixed(u"\\\\?\\C:\\x"), u"\\\\?\\C:\\x");  // never twice
  EXPECT_EQ(prefixed(u"relative\\x"), u"relative\\x");
  EXPECT_TRUE(is_absolute(u"c:\\"));
  EXPECT_FALSE(is_absolute(u"c:x"));
  EXPECT_FALSE(is_absolute(u"x"));
}

TEST(FilePaths, ListingFolderJoinAndScriptFolder) {
  EXPECT_EQ(listing_folder(u"C:\\a\\\\"), u"C:\\a");
  EXPECT_EQ(listing_folder(u"C:\\"), u"C:\\");
  EXPECT_EQ(listing_folder(u"C:"), u"C:\\");
  EXPECT_EQ(listing_folder(u"/"), u"/");
  EXPECT_EQ(join_path(u"C:\\", u"x", u'\\'), u"C:\\x");
  EXPECT_EQ(join_path(u"/a", u"x", u'/'), u"/a/x");
  EXPECT_EQ(folder_of(u"C:\\s.q"), u"C:\\");
  EXPECT_EQ(folder_of(u"C:\\d\\s.q"), u"C:\\d");
  EXPECT_EQ(folder_of(u"/s.q"), u"/");
  EXPECT_EQ(folder_of(u"s.q"), u"");
}

TEST(FilePaths, PathBelowAFolder) {
  std::u16string rest;
  EXPECT_TRUE(path_below(u"C:\\Data\\a\\b", u"c:\\data", rest));
  EXPECT_EQ(rest, u"\\a\\b");
  EXPECT_TRUE(path_below(u"C:\\data", u"C:\\data", rest));
  EXPECT_EQ(rest, u"");
  EXPECT_TRUE(path_below(u"C:\\x", u"C:\\", rest));
  EXPECT_EQ(rest, u"x");
  EXPECT_FALSE(path_below(u"C:\\database", u"C:\\data", rest));
  EXPECT_FALSE(path_below(u"C:\\d", u"C:\\data", rest));
  EXPECT_FALSE(path_below(u"C:\\d", u"", rest));
}

TEST(FilePaths, Wildcards) {
  struct Case {
    const char16_t* name;
    const char16_t* pattern;
    bool match;
  } cases[] = {
      {u"a.txt", u"*.*", true},      {u"noext", u"*.*", true},       {u"A.TXT", u"*.txt", true},
      {u"a.txt.bak", u"*.txt", false}, {u"ab.c", u"?.*", false},     {u"a.c", u"?.*", true},
      {u"d", u"?.*", true},          {u"readme", u"*.", true},       {u"read.me", u"*.", false},
      {u"数据.log", u"数*", true},     {u"aXbXc", u"a*b*c", true},     {u"abc", u"a*b*c*d", false},
      {u"", u"*", true},             {u"x", u"", false},
  };
  int i = 0;
  for (const Case& c : cases) EXPECT_EQ(wildcard_match(c.name, c.pattern), c.match) << "case " << i++;
  EXPECT_TRUE(name_less(u"a", u"B"));
  EXPECT_TRUE(name_less(u"B", u"c"));
  EXPECT_FALSE(name_less(u"b", u"B") && name_less(u"B", u"b"));
}

TEST(FilePaths, DialogTexts) {
  EXPECT_EQ(dialog_filter(u"文本|*.txt|全部|*.*"), std::u16string(u"文本\0*.txt\0全部\0*.*\0\0", 17));
  using V = std::vector<std::u16string>;
  EXPECT_EQ(split_multi_select(std::u16string(u"C:\\d\\one.txt\0\0", 14)), (V{u"C:\\d\\one.txt"}));
  EXPECT_EQ(split_multi_select(std::u16string(u"C:\\d\0a\0b\0\0", 10)), (V{u"C:\\d\\a", u"C:\\d\\b"}));
  EXPECT_EQ(split_multi_select(std::u16string(u"C:\\\0a\0\0", 7)), (V{u"C:\\a"}));
  EXPECT_TRUE(split_multi_select(std::u16string(2, u'\0')).empty());
}

}  // namespace
}  // namespace quorin::files
