// Compile errors: texts, lines, stop behaviour and report forms.
#include "compile_fixture.h"

namespace quorin {
namespace {

using testing::compile_text;

struct Case {
  const char* source;
  const char* errors;  // "line: message\n" per error
};

class CompileErrorText : public ::testing::TestWithParam<Case> {};

TEST_P(CompileErrorText, ReportsTheExpectedErrors) {
  auto c = compile_text(GetParam().source);
  EXPECT_EQ(c.errors(), GetParam().errors) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(
    Statements, CompileErrorText,
    ::testing::Values(
        Case{"int a\nb = 1\n", "2: 变量 'b' 未定义\n"},
        Case{"int a\na = \"x\"\n", "2: 变量 'a' 赋值类型错误\n"},
        Case{"string s\ns = s - 1\n", "2: 's' 表达式数据类型错误\n"},
        Case{"int int\n", "1: 变量名 'int' 与关键词冲突\n"},
        Case{"int null\n", "1: 变量名 'null' 与保留关键词冲突\n"},
        Case{"int print\n", "1: 变量名 'print' 与内置函数名冲突\n"},
        Case{"int qrTrue\n", "1: 变量名 'qrTrue' 与常量名冲突\n"},
        Case{"int f\nfunc void f()\nendfunc\n", "1: 变量名 'f' 与函数名冲突\n"},
        Case{"int a\nint a\n", "2: 变量 'a' 重复定义\n"},
        Case{"int abcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcd\n",
             "1: 变量名 'abcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcd' 长度不能超过 63 个字符\n"},
        Case{"int 1a\n", "1: '1' 变量名必须以字母(a-z A-Z)开头\n"},
        Case{"break\nprintln(1)\n", "1: 'break' 语法错误\n"},
        Case{"loop 2\n  if 1 > 0\n    break\n  endif\nendloop\nelse\n", "6: 'else' 语法错误\n"},
        Case{"if 1 > 0\nelse x\nendif\n", "2: 'else' 语法错误\n"},
        Case{"if 1 > 0\nprintln(1)\n", "3: 'if' 没有找到对应的 'endif'\n"},
        Case{"loop 2.5\nendloop\n", "1: 'loop' 参数类型错误\n"},
        Case{"loop 3\nprintln(1)\n", "3: 'loop' 没有找到对应的 'endloop'\n"},
        Case{"for i = 1 to 3\nnext\n", "1: 变量名 'i' 未定义\n"},
        Case{"int i\nfor i = 1 to \"x\"\nnext\n", "2: for 循环 to 参数的类型错误\n"},
        Case{"int i\nfor i 1 to 3\nnext\n", "2: 变量 'i' 后面需要紧跟着一个 '='\n"},
        Case{"loop 2\n  here:\nendloop\n", "2: 标签 'here' 不能定义在结构体内\n"},
        Case{"goto nowhere\n", "1: 标签名 'nowhere' 未定义\n"},
        Case{"return\n", "1: 'return' 语法错误\n"},
        Case{"func int f()\n  return\nendfunc\nprintln(f())\n", "2: 'return' 缺少返回值\n"},
        Case{"func int f()\n  return \"s\"\nendfunc\n", "2: 返回的数据类型不符合函数定义\n"},
        Case{"println(1, 2)\n", "1: 函数 'println()' 参数数量错误\n"},
        Case{"println(\"a\" - 1)\nprintln(2)\n", "1: 'println' 表达式数据类型错误\n"},
        Case{"int x\nx = 1 +\n", "2: 缺少操作数\n"},
        Case{"println(\"abc)\n", "1: 没找到字符串常量的终止字符 \"\n"},
        Case{"char c = '\\q'\n", "1: 未知的转义字符: '\\q'\n"},
        Case{"char c = 'ab'\n", "1: 缺少终止字符 '\n"},
        Case{"int a[2][2] = {{1, 2}, {3}, 4}\n", "1: 数组变量 'a' 赋值语法错误, 元素分布的层次不一致\n"},
        Case{"int a[2][3] = {1, 2, 3}\n", "1: 数组变量 'a' 赋值时的元素维数与数组定义的维数不一致\n"},
        Case{"int (*fp)(int, int, int, int, int, int, int, int, int, int)\n", "1: 函数指针变量的参数不能超过9个\n"},
        Case{"HashMap<string, long> a\nHashMap<string, int> b = a\n", "2: 变量 'b' 与 'a' 类型不一致\n"},
        Case{"HashMap<int> m\n", "1: 'HashMap' 定义缺少 ','\n"},
        Case{"ArrayList<> m\n", "1: ArrayList 定义缺少数据类型: '<T>'\n"},
        Case{"HashMap<int, foo> m\n", "1: HashMap 未知的数据类型: '<foo>'\n"},
        Case{"LinkedList<int> l = {1, 2L}\n", "1: 变量 'l' 赋值类型错误\n"},
        Case{"quorin_hotkey_stop_code(113)\n", "1: 'quorin_hotkey_stop_code()' 【暂停】与【中止】快捷键冲突\n"},
        Case{"quorin_window_initial_size(10, -1)\n", "1: 'quorin_window_initial_size()' 参数的值必须是一个整型常量\n"}));

TEST(CompileReports, TextFormShowsTwentyLinesAndTheCount) {
  std::string src;
  for (int i = 0; i < 25; ++i) src += "x" + std::to_string(i) + " = 1\n";
  auto c = compile_text(src, CheckMode::Check);
  ASSERT_EQ(c.result.errors.count(), 25u);
  std::string text = c.reporter.out;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 21);  // 20 lines, then "...\n25 个错误"
  EXPECT_TRUE(text.ends_with("...\n25 个错误")) << text;

  src.clear();
  for (int i = 0; i < 20; ++i) src += "x" + std::to_string(i) + " = 1\n";
  auto twenty = compile_text(src, CheckMode::Check);
  EXPECT_TRUE(twenty.reporter.out.ends_with("行: 变量 'x19' 未定义\n\n20 个错误")) << twenty.reporter.out;
}

TEST(CompileReports, NormalRunShowsABoxTitledWithTheScriptName) {
  auto c = compile_text("x = 1\n", CheckMode::Run);
  EXPECT_EQ(c.reporter.box_title, "Quorin - t.q");
  EXPECT_EQ(c.reporter.box_text, "1行: 变量 'x' 未定义\n\n1 个错误");
  EXPECT_TRUE(c.reporter.out.empty());
}

TEST(CompileReports, JsonReportReadsBack) {
  auto c = compile_text("int a\nb = 1\nc = 2\n", CheckMode::IdeCheck);
  cJSON* root = cJSON_Parse(c.reporter.out.c_str());
  ASSERT_NE(root, nullptr) << c.reporter.out;
  EXPECT_EQ(cJSON_GetObjectItem(root, "status")->valueint, 0);
  EXPECT_EQ(cJSON_GetObjectItem(root, "errorCount")->valueint, 2);
  cJSON* items = cJSON_GetObjectItem(root, "errorItems");
  ASSERT_EQ(cJSON_GetArraySize(items), 2);
  cJSON* first = cJSON_GetArrayItem(items, 0);
  EXPECT_EQ(cJSON_GetObjectItem(first, "line")->valueint, 2);
  EXPECT_STREQ(cJSON_GetObjectItem(first, "desc")->valuestring, "变量 'b' 未定义");
  EXPECT_TRUE(std::string(cJSON_GetObjectItem(first, "filePath")->valuestring).ends_with("t.q"));
  cJSON_Delete(root);

  auto ok = compile_text("println(1)\n", CheckMode::IdeCheckRun);
  EXPECT_EQ(ok.reporter.out, "{\n\t\"status\":\t1\n}\n");
}

TEST(CompileReports, CheckModesOnACorrectScript) {
  auto c = compile_text("println(1)\n", CheckMode::Check);
  EXPECT_EQ(c.reporter.out, "脚本文件: 't.q' 语法正确");
  EXPECT_NE(c.result.program, nullptr);
  auto none = compile_text("# nothing\n\n", CheckMode::Check);
  EXPECT_EQ(none.reporter.out, "没有找到任何需要执行的代码");
  EXPECT_EQ(none.result.program, nullptr);
}

TEST(CompileReports, FunctionsMayBeCalledBeforeTheirDefinition) {
  auto c = compile_text("println(later(2))\nfunc int later(int x)\n  return x\nendfunc\n");
  EXPECT_EQ(c.errors(), "");
}

TEST(CompileReports, DirectivesFillTheHostSettings) {
  auto c = compile_text(
      "quorin_config_auto_start()\nquorin_hotkey_stop_code('a')\nquorin_hotkey_pause_or_continue_ctrl_char('p')\n"
      "quorin_window_initial_size(300, 200)\nquorin_window_initial_text(\"hi\")\nprintln(1)\n");
  ASSERT_EQ(c.errors(), "");
  const HostSettings& s = c.result.program->settings;
  EXPECT_TRUE(s.auto_start);
  EXPECT_EQ(s.stop_key, 'A');
  EXPECT_EQ(s.stop_mods, 0);
  EXPECT_EQ(s.pause_key, 'P');
  EXPECT_EQ(s.pause_mods, 2);
  EXPECT_EQ(s.width, 300);
  EXPECT_EQ(s.text, u"hi");
}

}  // namespace
}  // namespace quorin
