// The plug-in's text work: typing indentation over an editing buffer,
// re-formatting whole scripts, re-spacing lines, reading compile reports.
#include <gtest/gtest.h>

#include "plugin/text.h"
#include "tests/plugin/text_buffer.h"

namespace quorin::plugin {
namespace {

class BufferView : public EditView {
 public:
  explicit BufferView(qtest::TextBuffer& b) : b_(b) {}
  long current_pos() override { return b_.caret(); }
  long line_from_pos(long pos) override { return b_.line_from_pos(pos); }
  std::string line(long n) override { return b_.line(n); }
  long line_count() override { return b_.line_count(); }
  void add_text(std::string_view t) override { b_.add_text(t); }
  int indentation(long n) override { return b_.indentation(n); }
  void set_indentation(long n, int c) override { b_.set_indentation(n, c); }
  void goto_pos(long pos) override { b_.set_caret(pos); }

 private:
  qtest::TextBuffer& b_;
};

// Puts the caret at the "|" of `text`, types a line feed there and lets the
// plug-in react; returns the text with "|" at the caret.
std::string type_enter(const std::string& text_with_caret) {
  qtest::TextBuffer b;
  std::string text = text_with_caret;
  std::size_t at = text.find('|');
  text.erase(at, 1);
  b.set_text(text);
  b.set_caret(static_cast<long>(at));
  b.add_text("\n");
  BufferView v(b);
  indent_after_newline(v);
  std::string out = b.text();
  out.insert(b.caret(), "|");
  return out;
}

TEST(TypingIndent, OpenerClosesItsBlockOnlyAtTheLineEnd) {
  EXPECT_EQ(type_enter("    if(a > 1)|"), "    if(a > 1)\n        |\r\n    endif");
  // In the middle of the line the rest moves down indented; no closer.
  EXPECT_EQ(type_enter("    if(a |> 1)"), "    if(a \n        |> 1)");
  // Two ifs and one endif: one more endif.  Balanced: none.
  EXPECT_EQ(type_enter("if(a)\nif(b)|\nendif"), "if(a)\nif(b)\n    |\r\nendif\nendif");
  EXPECT_EQ(type_enter("if(b)|\nendif"), "if(b)\n    |\nendif");
  EXPECT_EQ(type_enter("loop(3)|"), "loop(3)\n    |\r\nendloop");
  EXPECT_EQ(type_enter("\tfor i = 1 to 3|"), "\tfor i = 1 to 3\n     |\r\n    next");
  EXPECT_EQ(type_enter("func int f()|"), "func int f()\n    |\r\nendfunc");
}

TEST(TypingIndent, KeywordsMustBeWholeWords) {
  EXPECT_EQ(type_enter("  iffy = 1|"), "  iffy = 1\n  |");
  EXPECT_EQ(type_enter("  if1 = 1|"), "  if1 = 1\n  |");
  EXPECT_EQ(type_enter("if(x)|\nendif"), "if(x)\n    |\nendif");
  EXPECT_EQ(type_enter("If(x)|"), "If(x)\n|");
  EXPECT_EQ(type_enter("|"), "\n|");  // typed on the first line of nothing
}

TEST(TypingIndent, MiddleAlignsWithItsIf) {
  std::string doc =
      "        if(a)\n"
      "            if(b)\n"
      "            endif\n"
      "  else|";
  EXPECT_EQ(type_enter(doc),
            "        if(a)\n            if(b)\n            endif\n        else\n            |");
  EXPECT_EQ(type_enter("if(a)\n      elseif(b)|"), "if(a)\nelseif(b)\n    |");
  // No opener above: the middle keeps its place.
  EXPECT_EQ(type_enter("  else|"), "  else\n      |");
}

TEST(TypingIndent, CloserAlignsWithItsOpener) {
  EXPECT_EQ(type_enter("    loop(2)\n        x = 1\n            endloop|"),
            "    loop(2)\n        x = 1\n    endloop\n    |");
  EXPECT_EQ(type_enter("  loop(1)\n    loop(2)\n    endloop\n        endloop|"),
            "  loop(1)\n    loop(2)\n    endloop\n  endloop\n  |");
  EXPECT_EQ(type_enter("      endloop|"), "      endloop\n      |");
  EXPECT_EQ(type_enter("for i = 1 to 2\n   next|"), "for i = 1 to 2\nnext\n|");
}

TEST(Respace, PutsSpacesWhereTheStyleWantsThem) {
  auto r = [](std::u16string_view s) { return respace_line(s).value_or(u"<unchanged>"); };
  EXPECT_EQ(r(u"a=b+c"), u"a = b + c");
  EXPECT_EQ(r(u"if(a>=b)"), u"if (a >= b)");
  EXPECT_EQ(r(u"x=-1"), u"x = -1");
  EXPECT_EQ(r(u"f(a,b , c)"), u"f(a, b, c)");
  EXPECT_EQ(r(u"f(-1)"), u"f(-1)");
  EXPECT_EQ(r(u"ArrayList < int > list"), u"ArrayList<int> list");
  EXPECT_EQ(r(u"HashMap<string,int> m"), u"HashMap<string, int> m");
  EXPECT_EQ(r(u"func int add(int a,int b)"), u"func int add(int a, int b)");
  EXPECT_EQ(r(u"if(a&&b||c)"), u"if (a && b || c)");
  EXPECT_EQ(r(u"a!=b"), u"a != b");
  EXPECT_EQ(r(u"int a[3]={1,2,3}"), u"int a[3] = {1, 2, 3}");
  EXPECT_EQ(r(u"s=\"a,b  c\"+'x'"), u"s = \"a,b  c\" + 'x'");
  EXPECT_EQ(r(u"s=\"say \\\"hi\\\"\"#note"), u"s = \"say \\\"hi\\\"\" #note");
  EXPECT_EQ(r(u"c='\\n'"), u"c = '\\n'");
  EXPECT_EQ(r(u"for i=1 to n step -2"), u"for i = 1 to n step -2");
  EXPECT_EQ(r(u"x=(a+b)*c%d"), u"x = (a + b) * c % d");
  EXPECT_EQ(r(u"x=a[i]-1"), u"x = a[i] - 1");
  EXPECT_EQ(r(u"你好=\"世界\""), u"你好 = \"世界\"");
}

TEST(Respace, LeavesDoubtfulLinesAlone) {
  EXPECT_FALSE(respace_line(u"# a=b"));
  EXPECT_FALSE(respace_line(u"s=\"unterminated"));
  EXPECT_FALSE(respace_line(u"c='ab'"));
  EXPECT_FALSE(respace_line(u"c=''"));
  EXPECT_FALSE(respace_line(u"-x"));
  EXPECT_FALSE(respace_line(u""));
}

TEST(Reformat, IndentsNestedBlocks) {
  std::u16string in =
      u"func int f(int n)\r\n"
      u"if(n>1)\r\n"
      u"  loop(n)\r\n"
      u"n=n-1\r\n"
      u"     endloop\r\n"
      u"elseif(n==1)\r\n"
      u"return 1\r\n"
      u"else\r\n"
      u"\r\n"
      u"  return 0 # zero\r\n"
      u"endif\r\n"
      u"return n\r\n"
      u"endfunc\r\n";
  std::u16string out =
      u"func int f(int n)\r\n"
      u"    if (n > 1)\r\n"
      u"        loop (n)\r\n"
      u"            n = n - 1\r\n"
      u"        endloop\r\n"
      u"    elseif (n == 1)\r\n"
      u"        return 1\r\n"
      u"    else\r\n"
      u"\r\n"
      u"        return 0 # zero\r\n"
      u"    endif\r\n"
      u"    return n\r\n"
      u"endfunc\r\n";
  EXPECT_EQ(reformat(in), out);
  EXPECT_EQ(reformat(out), out);  // canonical form is a fixed point
}

TEST(Reformat, LineEndsAndUnbalancedBlocks) {
  // Line-feed-only documents lose their blank lines and get CR LF.
  EXPECT_EQ(reformat(u"a=1\n\n\nb=2"), u"a = 1\r\nb = 2");
  EXPECT_EQ(reformat(u"a=1\r\n\r\nb=2\r\n"), u"a = 1\r\n\r\nb = 2\r\n");
  // Stray closers and middles never push the margin below 0.
  EXPECT_EQ(reformat(u"endif\nelse\nx=1"), u"endif\r\nelse\r\nx = 1");
  // Keyword followed by "#" opens; a longer word does not.
  EXPECT_EQ(reformat(u"loop#ever\nx\nendloop\nloops=1"), u"loop #ever\r\n    x\r\nendloop\r\nloops = 1");
  // Blank lines inside blocks carry no indentation, even the last one.
  EXPECT_EQ(reformat(u"if(a)\n  \t \n"), u"if (a)\r\n\r\n");
  EXPECT_EQ(reformat(u""), u"");
}

TEST(Report, ReadsRowsAndTellsIncompleteText) {
  EXPECT_FALSE(parse_report(R"({"status": 0, "errorItems": [)"));
  EXPECT_FALSE(parse_report("garbage"));
  auto ok = parse_report("{\n\t\"status\":\t1\n}\n");
  ASSERT_TRUE(ok);
  EXPECT_TRUE(ok->has_status);
  EXPECT_EQ(ok->status, 1);
  EXPECT_FALSE(ok->has_items);

  auto bad = parse_report(
      R"({"STATUS": 0, "errorCount": 2, "errorItems": [)"
      R"({"filePath": "C:\\s\\a.q", "line": 3, "desc": "语法错误"}, {"desc": "x"}]})");
  ASSERT_TRUE(bad);
  EXPECT_TRUE(bad->has_status);
  EXPECT_EQ(bad->status, 0);
  ASSERT_EQ(bad->rows.size(), 2u);
  EXPECT_EQ(bad->rows[0].path, "C:\\s\\a.q");
  EXPECT_EQ(bad->rows[0].line, 3);
  EXPECT_EQ(bad->rows[0].desc, "语法错误");
  EXPECT_EQ(bad->rows[1].path, "");
  EXPECT_EQ(bad->rows[1].line, 0);

  auto empty = parse_report(R"({"status": 0, "errorItems": []})");
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->has_items);
  EXPECT_TRUE(empty->rows.empty());
  EXPECT_FALSE(parse_report(R"({"errorItems": []})")->has_status);
}

TEST(Report, CellsPathsAndExtensions) {
  EXPECT_EQ(line_cell(12), "12");
  EXPECT_EQ(line_cell(0), "");
  EXPECT_EQ(line_cell(-1), "");
  EXPECT_EQ(copy_row(u"C:\\a.q", u"3", u"坏"), u"C:\\a.q|3|坏");
  EXPECT_EQ(copy_row(u"", u"", u"=== 共 1 个错误 ==="), u"=== 共 1 个错误 ===");
  EXPECT_EQ(interpreter_path(u"C:\\Tools\\Editor"), u"C:\\Tools\\Quorin\\Quorin.exe");
  EXPECT_EQ(interpreter_path(u"Editor"), u"");
  EXPECT_EQ(probe_tool_path(u"C:\\E"), u"C:\\E\\Quorin 代码辅助工具\\窗口探针.exe");
  EXPECT_EQ(assist_tool_path(u""), u"");
  EXPECT_TRUE(is_q_extension(u".Q"));
  EXPECT_FALSE(is_q_extension(u".qe"));
  EXPECT_FALSE(is_q_extension(u""));
}

}  // namespace
}  // namespace quorin::plugin
