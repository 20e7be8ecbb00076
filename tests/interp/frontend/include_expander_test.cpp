#include "frontend/include_expander.h"

#include <gtest/gtest.h>

#include "frontend/source_files.h"
#include "temp_dir.h"

namespace quorin {
namespace {

using testing::TempDir;

struct Expansion {
  std::optional<std::u16string> text;
  CompileErrors errors;
};

// Expands the main file `path` the way a compile does.
void expand_file(const std::u16string& path, std::u16string_view text, Expansion& e) {
  IncludeSet set;
  set.add(full_path(path));
  e.text = expand_includes(path, text, set, e.errors);
}

std::u16string enter(const std::u16string& path) { return include_enter_line(full_path(path)); }
const std::u16string kLeave = u"\r\nquorin_leave_include_file()";

TEST(IncludeExpander, SplicedTextShape) {
  TempDir dir;
  const auto main = dir.path("main.q");
  const auto sub = dir.write("sub.q", "x = 1\r\ny = 2");
  Expansion e;
  expand_file(main, u"a = 0\r\n  include \"sub.q\"   # note\r\nb = 3\r\n", e);
  ASSERT_TRUE(e.text) << (e.errors.count() ? std::string(e.errors.list()[0].text.begin(), e.errors.list()[0].text.end()) : "");
  EXPECT_EQ(*e.text, u"a = 0\r\n" + enter(sub) + u"x = 1\r\ny = 2" + kLeave + u"\r\nb = 3\r\n");
  EXPECT_TRUE(e.errors.includes_used);
  EXPECT_EQ(e.errors.count(), 0u);

  // An include on the last line without a line end, LF-only lines, and
  // blanks inside the quotes (trailing ones dropped).
  Expansion last;
  expand_file(main, u"a\ninclude \"sub.q  \"", last);
  ASSERT_TRUE(last.text);
  EXPECT_EQ(*last.text, u"a\n" + enter(sub) + u"x = 1\r\ny = 2" + kLeave);
}

TEST(IncludeExpander, DirectiveDoublesBackslashes) {
  EXPECT_EQ(include_enter_line(u"C:\\脚本\\a.q"), u"quorin_enter_include_file(\"C:\\\\脚本\\\\a.q\")\r\n");
}

TEST(IncludeExpander, NestedIncludesResolveAgainstTheirOwnFolder) {
  TempDir dir;
  const auto main = dir.path("main.q");
  dir.write("b.q", "decoy = 1");
  const auto a = dir.write("lib/a.q", "a1\ninclude \"b.q\"\na3\n");
  const auto b = dir.write("lib/b.q", "b1");
  Expansion e;
  expand_file(main, u"include \"lib/a.q\"\nm2", e);
  ASSERT_TRUE(e.text);
  EXPECT_EQ(*e.text, enter(a) + u"a1\n" + enter(b) + u"b1" + kLeave + u"\na3\n" + kLeave + u"\nm2");
}

TEST(IncludeExpander, CommentsAndOtherWordsAreNotIncludes) {
  TempDir dir;
  const std::u16string text =
      u"# include \"nothing.q\"\n  #include \"x.q\"\nincludes = 1\ninclude(\"x.q\")\ns = \"include \\\"x.q\\\"\"\n";
  Expansion e;
  expand_file(dir.path("main.q"), text, e);
  ASSERT_TRUE(e.text);
  EXPECT_EQ(*e.text, text);
  EXPECT_FALSE(e.errors.includes_used);
}

TEST(IncludeExpander, StatementErrorsCarryFileAndLine) {
  TempDir dir;
  const auto main = dir.path("main.q");
  dir.write("ok.q", "x");
  dir.write("ok.txt", "x");
  struct Case {
    const char16_t* line;
    std::u16string message;
  } cases[] = {
      {u"include 'ok.q'", u"语法错误, 缺少 '\"'"},
      {u"include", u"语法错误, 缺少 '\"'"},
      {u"include \"ok.q", u"语法错误, 缺少 '\"'"},
      {u"include \"ok.q\r\"", u"语法错误, 缺少 '\"'"},
      {u"include \"  \"", u"include 语句缺少 '文件名'"},
      {u"include \"ok.txt\"", u"include 语句支持的文件扩展名为 '.q' 和 '.qe'"},
      {u"include \"gone.q\"", u"找不到包含文件 'gone.q'"},
      {u"include \"ok.q\" x", u"语法错误"},
  };
  for (const auto& c : cases) {
    Expansion e;
    expand_file(main, u"a\n\n" + std::u16string(c.line) + u"\nb", e);
    EXPECT_FALSE(e.text) << std::string(c.message.begin(), c.message.end());
    ASSERT_EQ(e.errors.count(), 1u);
    EXPECT_EQ(e.errors.list()[0].text, c.message);
    EXPECT_EQ(e.errors.list()[0].line, 3);
    EXPECT_EQ(e.errors.list()[0].file, full_path(main));
    EXPECT_TRUE(e.errors.stopped());
    EXPECT_TRUE(e.errors.includes_used);
  }
  // Upper-case extensions are accepted.
  dir.write("up.Q", "u");
  Expansion upper;
  expand_file(main, u"include \"up.Q\"", upper);
  EXPECT_TRUE(upper.text);
}

TEST(IncludeExpander, CyclesAndRepeats) {
  const std::u16string cycle =
      u"循环包含, 文件 '%s' 包含在自身中(可能是间接包含). 请检查包含文件中的其他 include 语句.";
  auto expected = [&](std::u16string name) {
    std::u16string m = cycle;
    m.replace(m.find(u"%s"), 2, name);
    return m;
  };
  TempDir dir;
  {  // the main file includes itself
    const auto main = dir.write("self.q", "include \"self.q\"");
    Expansion e;
    expand_file(main, u"include \"self.q\"", e);
    EXPECT_FALSE(e.text);
    ASSERT_EQ(e.errors.count(), 1u);
    EXPECT_EQ(e.errors.list()[0].text, expected(u"self.q"));
  }
  {  // a includes b, b includes a: reported in b, line 2
    const auto main = dir.path("m.q");
    dir.write("a.q", "include \"b.q\"");
    const auto b = dir.write("b.q", "x\ninclude \"a.q\"");
    Expansion e;
    expand_file(main, u"include \"a.q\"", e);
    EXPECT_FALSE(e.text);
    ASSERT_EQ(e.errors.count(), 1u);
    EXPECT_EQ(e.errors.list()[0].text, expected(u"a.q"));
    EXPECT_EQ(e.errors.list()[0].file, full_path(b));
    EXPECT_EQ(e.errors.list()[0].line, 2);
  }
  {  // the same file twice
    dir.write("c.q", "c");
    Expansion e;
    expand_file(dir.path("m2.q"), u"include \"c.q\"\ninclude \"./c.q\"", e);
    EXPECT_FALSE(e.text);
    ASSERT_EQ(e.errors.count(), 1u);
    EXPECT_EQ(e.errors.list()[0].text, expected(u"c.q"));
    EXPECT_EQ(e.errors.list()[0].line, 2);
  }
}

TEST(IncludeExpander, UnreadableAndEmptyIncludes) {
  TempDir dir;
  const auto main = dir.path("m.q");
  dir.mkdir("folder.q");
  dir.write("bad.qe", "\x01");
  const auto empty = dir.write("empty.q", "");
  for (auto name : {u"folder.q", u"bad.qe"}) {
    Expansion e;
    expand_file(main, u"include \"" + std::u16string(name) + u"\"", e);
    EXPECT_FALSE(e.text);
    ASSERT_EQ(e.errors.count(), 1u);
    EXPECT_EQ(e.errors.list()[0].text, u"无法读取包含文件 '" + std::u16string(name) + u"'");
  }
  Expansion e;
  expand_file(main, u"include \"empty.q\"\n", e);
  ASSERT_TRUE(e.text);
  EXPECT_EQ(*e.text, enter(empty) + kLeave + u"\n");
}

TEST(IncludeSetAndErrors, CaseInsensitivePathsAndCutMessages) {
  IncludeSet set;
  set.add(u"/Scripts/Main.q");
  EXPECT_TRUE(set.contains(u"/scripts/MAIN.Q"));
  EXPECT_FALSE(set.contains(u"/scripts/main.qe"));

  CompileErrors errors;
  errors.add(u"f", 1, std::u16string(400, u'x'));
  EXPECT_EQ(errors.list()[0].text.size(), kMaxErrorText);
}

}  // namespace
}  // namespace quorin
