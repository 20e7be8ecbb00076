// The COM builtins against real automation servers: Wine's dictionary,
// XML document and regular expressions, and the project's own test server
// (every variant type, safe arrays, many-parameter and by-reference methods,
// a class factory reached through a loaded DLL).
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "builtins/com/com_access.h"
#include "builtins/com/module_lookup.h"
#include "interp/win32/com_test_support.h"
#include "support/script_handle.h"

namespace quorin {
namespace {

using Outcome = testing::ScriptOutcome;
using testing::run_script;

const wchar_t* kServerDll = L"quorin_test_com_server.dll";

class ComServer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing::register_test_class(L"Quorin.TestServer", L"{6C1F0E52-3A0B-4C47-9D0E-51B2A3C4D5E6}", kServerDll);
  }
};

// ---- Wine's own servers ----

const char* kDictionaryAndXml = R"(int d = com_object_new("Scripting.Dictionary")
int (*add)(string, string) = com_object_get_function(d, "Add")
short (*exists)(string) = com_object_get_function(d, "Exists")
add("城市", "北京")
add("river", "长江")
println(com_object_get_int(d, "Count"))
println(exists("城市"))
println(exists("山"))
string (*item)(string) = com_object_get_function(d, "Item")
println(item("城市"))
println(com_object_get_type_name(d, "Count"))
com_object_free(d)
println(d)
int x = com_object_new("MSXML2.DOMDocument")
short (*load)(string) = com_object_get_function(x, "loadXML")
println(load("<书目><书 名=\"红楼梦\">曹雪芹</书><书>老舍</书></书目>"))
println(com_object_get_string(x, "documentElement.nodeName"))
println(com_object_get_string(x, "documentElement.firstChild.text"))
println(com_object_get_int(x, "documentElement.childNodes.length"))
int root = com_object_get_object(x, "documentElement")
com_object_set_string(root, "text", "空")
println(com_object_get_string(x, "xml"))
com_object_free(root)
com_object_free(x)
)";

TEST(ComWineServers, DictionaryAndXmlDocument) {
  Outcome o = run_script(kDictionaryAndXml);
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out,
            "2\n-1\n0\n北京\nint\n0\n-1\n书目\n曹雪芹\n2\n<书目>空</书目>\n\n");
}

TEST(ComWineServers, RegularExpressionMatchesWalkedThroughTheCollection) {
  Outcome o = run_script(R"(int re = com_object_new("VBScript.RegExp")
com_object_set_string(re, "Pattern", "[0-9]+")
com_object_set_boolean(re, "Global", 1)
println(com_object_get_boolean(re, "Global"))
int (*execute)(string) = com_object_get_function(re, "Execute")
int matches = execute("第12章第345节")
int count = com_object_get_int(matches, "Count")
int (*item)(int) = com_object_get_function(matches, "Item")
for int i = 0 to count - 1
  int m = item(i)
  println(com_object_get_string(m, "Value") + "@" + com_object_get_int(m, "FirstIndex"))
  com_object_free(m)
next
com_object_free(matches)
string (*substitute)(string, string) = com_object_get_function(re, "Replace")
println(substitute("第12章第345节", "#"))
com_object_free(re)
)");
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out, "1\n12@1\n345@5\n第#章第#节\n");
}

// ---- the test server ----

TEST_F(ComServer, EveryPropertyTypeThroughEveryGetter) {
  Outcome o = run_script(R"(int s = com_object_new("Quorin.TestServer")
com_object_set_double(s, "Real", 2.5)
println(com_object_get_string(s, "Real") + " " + com_object_get_int(s, "Real"))
com_object_set_double(s, "Real", 3.0)
println(com_object_get_string(s, "Real"))
com_object_set_double(s, "Money", 1.5)
println(com_object_get_string(s, "Money") + " " + com_object_get_double(s, "Money") + " " + com_object_get_type_name(s, "Money"))
com_object_set_string(s, "Text", "12个")
println(com_object_get_int(s, "Text") + " " + com_object_get_string(s, "Text"))
com_object_set_boolean(s, "Flag", 7)
println(com_object_get_int(s, "Flag") + " " + com_object_get_string(s, "Flag") + " " + com_object_get_boolean(s, "Flag"))
println(com_object_get_int(s, "Nothing") + " [" + com_object_get_string(s, "Nothing") + "] " + com_object_get_type(s, "Nothing"))
com_object_set_long(s, "Big", 4294967301)
println(com_object_get_long(s, "Big") + " " + com_object_get_int(s, "Big") + " " + com_object_get_string(s, "Big"))
println(com_object_get_string(s, "UBig") + " " + com_object_get_type_name(s, "UBig"))
com_object_set_date(s, "When", 45000.5)
println(com_object_get_string(s, "When") + " " + com_object_get_date(s, "When") + " " + com_object_get_int(s, "When"))
println(com_object_get_date(s, "Real"))
com_object_set_float(s, "Single", -2.75)
println(com_object_get_string(s, "Single") + " " + com_object_get_int(s, "Single"))
com_object_set_short(s, "Small", -300)
println(com_object_get_short(s, "Small") + " " + com_object_get_byte(s, "Small"))
com_object_set_byte(s, "Tiny", 200)
println(com_object_get_int(s, "Tiny") + " " + com_object_get_type_name(s, "Tiny"))
com_object_set_char(s, "Letter", '中')
println(com_object_get_string(s, "Letter") + " " + com_object_get_char(s, "Letter"))
println(com_object_get_string(s, "SByte") + " " + com_object_get_string(s, "Unsigned") + " " + com_object_get_int(s, "Unsigned"))
com_object_set_int(s, "Number", 41)
println(com_object_get_long(s, "Number") + 1)
com_object_free(s)
)");
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out,
            "2.5 2\n3\n1.50 1.500000 currency\n12 12个\n1 true 1\n0 [] 0\n4294967301 5 4294967301\n"
            "18446744073709551615 long\n2023-03-15 12:00:00 45000.500000 0\n0\n-2.75 -2\n-300 212\n200 byte\n中 中\n"
            "q 4000000000 -294967296\n42\n");
}

TEST_F(ComServer, WritesArriveAsTheirVariantTypes) {
  Outcome o = run_script(R"(int s = com_object_new("Quorin.TestServer")
com_object_set_byte(s, "Kept", 7)
print(com_object_get_type(s, "Kept") + " ")
com_object_set_char(s, "Kept", 'a')
print(com_object_get_type(s, "Kept") + " ")
com_object_set_short(s, "Kept", 7)
print(com_object_get_type(s, "Kept") + " ")
com_object_set_boolean(s, "Kept", 1)
print(com_object_get_type(s, "Kept") + ":" + com_object_get_int(s, "Kept") + " ")
com_object_set_int(s, "Kept", 7)
print(com_object_get_type(s, "Kept") + " ")
com_object_set_long(s, "Kept", 7)
print(com_object_get_type(s, "Kept") + " ")
com_object_set_float(s, "Kept", 7)
print(com_object_get_type(s, "Kept") + " ")
com_object_set_double(s, "Kept", 7)
print(com_object_get_type(s, "Kept") + " ")
com_object_set_string(s, "Kept", "7")
print(com_object_get_type(s, "Kept") + " ")
com_object_set_date(s, "Kept", 7)
print(com_object_get_type(s, "Kept") + " ")
int c = com_object_get_object(s, "Child")
com_object_set_object(s, "Kept", c)
println(com_object_get_type(s, "Kept") + " " + com_object_get_int(s, "Kept.Name"))
com_object_free(c)
com_object_free(s)
)");
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out, "17 18 2 11:1 3 20 4 5 8 7 9 1\n");
}

TEST_F(ComServer, SafeArraysOfEveryElementTypeRoundTrip) {
  Outcome o = run_script(R"(int s = com_object_new("Quorin.TestServer")
byte b[3] = {1, 2, 255}
char c[2] = {'中', 'a'}
short h[3] = {-1, 2, -3}
int i[4] = {10, 20, 30, 40}
long l[2] = {4294967301, -2}
float f[2] = {1.5, -0.25}
double d[2] = {2.5, 0.125}
string t[3] = {"甲", "", "丙"}
int sa = com_safe_array_new_byte(b, 3)
com_object_set_safe_array_byte(s, "Array", sa)
byte b2[2]
println(com_object_get_array_length(s, "Array") + " " + com_object_get_array_byte(s, "Array", b2, 10) + " " + b2[0] + b2[1])
com_safe_array_destroy(sa)
println(sa)
sa = com_safe_array_new_char(c, 2)
com_object_set_safe_array_char(s, "Array", sa)
char c2[2]
println(com_object_get_array_char(s, "Array", c2, 2) + " " + c2[0] + c2[1])
com_safe_array_destroy(sa)
sa = com_safe_array_new_short(h, 3)
com_object_set_safe_array_short(s, "Array", sa)
short h2[3]
println(com_object_get_array_short(s, "Array", h2, 3) + " " + h2[0] + h2[2])
com_safe_array_destroy(sa)
sa = com_safe_array_new_int(i, 4)
com_object_set_safe_array_int(s, "Array", sa)
int i2[4]
println(com_object_get_array_int(s, "Array", i2, 2) + " " + i2[0] + " " + i2[1] + " " + i2[2])
println(com_object_get_array_string(s, "Array", t, 3) + " " + t[0])
com_safe_array_destroy(sa)
sa = com_safe_array_new_long(l, 2)
com_object_set_safe_array_long(s, "Array", sa)
long l2[2]
println(com_object_get_array_long(s, "Array", l2, 2) + " " + l2[0] + " " + l2[1])
com_safe_array_destroy(sa)
sa = com_safe_array_new_float(f, 2)
com_object_set_safe_array_float(s, "Array", sa)
float f2[2]
println(com_object_get_array_float(s, "Array", f2, 2) + " " + f2[0] + " " + f2[1])
com_safe_array_destroy(sa)
sa = com_safe_array_new_double(d, 2)
com_object_set_safe_array_double(s, "Array", sa)
double d2[2]
println(com_object_get_array_double(s, "Array", d2, 2) + " " + d2[0] + " " + com_object_get_type_name(s, "Array"))
com_safe_array_destroy(sa)
sa = com_safe_array_new_string(t, 3)
com_object_set_safe_array_string(s, "Array", sa)
string t2[3]
println(com_object_get_array_string(s, "Array", t2, 3) + " " + t2[0] + "-" + t2[1] + "-" + t2[2])
println(com_object_get_array_int(s, "Array", i2, 3) + " " + i2[0])
println(com_object_get_array_length(s, "Number") + " " + com_object_get_array_int(s, "Number", i2, 3))
com_safe_array_destroy(sa)
com_object_free(s)
)");
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out,
            "3 2 12\n0\n2 中a\n3 -1-3\n2 10 20 0\n-1 甲\n2 4294967301 -2\n2 1.500000 -0.250000\n"
            "2 2.500000 未知(vt=8197)\n\n3 甲--丙\n-1 10\n-1 -1\n");
}

TEST_F(ComServer, LongPathsReleaseTheirIntermediateObjects) {
  Outcome o = run_script(R"(int t = com_object_new("Quorin.TestServer")
int s = com_object_new("Quorin.TestServer")
int before = com_object_get_int(s, "Live")
println(com_object_get_int(s, "Child.Child.Child.Child.Child.Child.Child.Child.Child.Child.Child.Name"))
com_object_set_int(s, "Child.Child.Child.Child.Child.Child.Child.Child.Child.Child.Number", 9)
println(com_object_get_int(s, "Child.Child.Child.Child.Child.Child.Child.Child.Child.Child.Number"))
println(com_object_get_int(s, "Live") - before)
com_object_free(s)
println(com_object_get_int(t, "Live") - before)
com_object_free(t)
)");
  EXPECT_EQ(o.error, "");
  // The children stay alive through their parents and go with them: no
  // intermediate reference is kept.
  EXPECT_EQ(o.out, "11\n9\n11\n-1\n");
}

TEST_F(ComServer, BoundMethodsWithManyByReferenceAndArrayParameters) {
  Outcome o = run_script(R"(int s = com_object_new("Quorin.TestServer")
double (*sum8)(byte, char, short, int, long, float, double, string) = com_object_get_function(s, "Sum8")
println(sum8(1, 1, 1, 1, 1, 1, 1, "1"))
string (*concat)(string, string) = com_object_get_function(s, "Concat")
println(concat("你好", "世界"))
int (*swap)(string*, string*) = com_object_get_function(s, "Swap")
string a = "左边"
string b = "right"
println(swap(a, b) + " " + a + " " + b)
int (*twice)(int*) = com_object_get_function(s, "Twice")
int n = 21
twice(n)
long (*twice_long)(long*) = com_object_get_function(s, "Twice")
long big = 3000000000
twice_long(big)
double (*twice_double)(double*) = com_object_get_function(s, "Twice")
double x = 1.25
twice_double(x)
println(n + " " + big + " " + x)
int ints[5] = {1, 2, 3, 4, 5}
int sa = com_safe_array_new_int(ints, 5)
int (*twice_with_array)(int*, int*!) = com_object_get_function(s, "Twice")
println(twice_with_array(n, sa) + " " + n)
int (*name)() = com_object_get_function(s, "Child.Child.Name")
println(name())
com_safe_array_destroy(sa)
com_object_free(s)
)");
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out, "36\n你好世界\n2 right 左边\n42 6000000000 2.500000\n5003 84\n2\n");
}

TEST_F(ComServer, ObjectsFromALoadedDllsClassFactory) {
  HMODULE dll = LoadLibraryW((testing::exe_folder() + kServerDll).c_str());
  ASSERT_NE(dll, nullptr);
  const int32_t handle = handle_to_int(dll);
  const std::string script = "int dll = " + std::to_string(handle) + R"(
int other = 12345
int s = com_object_new_from_dll(dll, "6c1f0e52-3a0b-4c47-9d0e-51b2a3c4d5e6")
com_object_set_string(s, "Text", "来自DLL")
println(com_object_get_string(s, "Text"))
int t = com_object_new_from_dll(dll, "6c1f0e52-3a0b-4c47-9d0e-51b2a3c4d5e6", "00020400-0000-0000-c000-000000000046")
println(com_object_get_int(t, "Name"))
println(com_object_new_from_dll(dll, "00000000-0000-0000-0000-000000000001"))
println(com_object_new_from_dll(dll, "not a clsid"))
println(com_object_new_from_dll(other, "6c1f0e52-3a0b-4c47-9d0e-51b2a3c4d5e6"))
com_object_free(t)
com_object_free(s)
)";
  Outcome o = run_script(script, [&](Runtime& rt) { com::note_loaded_module(rt, handle); });
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out, "来自DLL\n0\n0\n0\n0\n");
  // A module the run did not load is never used.
  o = run_script(script);
  EXPECT_NE(o.error.find("ComObjectHandle 的值不能为 0"), std::string::npos) << o.error;
}

TEST_F(ComServer, CurrencyReadsAndWritesForTheFamiliesBuiltOnThisOne) {
  auto c = testing::compile_text("int s = com_object_new(\"Quorin.TestServer\")\nprintln(s)\n", CheckMode::Run);
  ASSERT_NE(c.result.program, nullptr);
  testing::TestUiPort ui;
  Runtime rt(*c.result.program, ui);
  rt.state.store(kRunning);
  run_program(rt);
  int32_t handle = static_cast<int32_t>(std::stoll(to_utf8(ui.console)));
  ASSERT_NE(handle, 0);
  com::IntRef obj{&handle};
  com::write_currency(rt, u"excel_set", obj, Str(u"Money"), 1234.5678);
  com::VariantData v = com::read_property(rt, u"excel_get", obj, Str(u"Money"));
  EXPECT_EQ(v.type, com::vt::CY);
  EXPECT_EQ(com::to_text(v), u"1234.57");
  EXPECT_DOUBLE_EQ(com::read_currency(rt, u"excel_get", obj, Str(u"Money")), 1234.5678);
  com::write_currency(rt, u"excel_set", obj, Str(u"When"), 2.5);
  EXPECT_DOUBLE_EQ(com::read_currency(rt, u"excel_get", obj, Str(u"When")), 0);
  EXPECT_THROW(com::write_currency(rt, u"excel_set", obj, Str(u"Money"), 1e300), ScriptExit);
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_NE(ui.errors[0].find(u"excel_set("), std::u16string::npos);
  EXPECT_NE(ui.errors[0].find(u"'Money', ...) 发生错误: 属性值溢出"), std::u16string::npos);
  com::com_object_free(rt, obj);
  EXPECT_EQ(handle, 0);
}

// ---- runtime errors ----

std::string error_of(const std::string& body) {
  return run_script("int s = com_object_new(\"Quorin.TestServer\")\nint z = 0\n" + body).error;
}

TEST_F(ComServer, RuntimeErrorsNameTheLineTheBuiltinAndThePath) {
  EXPECT_EQ(error_of("println(com_object_get_int(z, \"Number\"))\n"),
            "运行时错误：\n\n行: 3, com_object_get_int(ComObjectHandle, ...)\n\n参数: ComObjectHandle 的值不能为 0");
  std::string h;
  {
    Outcome o = run_script("int s = com_object_new(\"Quorin.TestServer\")\nprintln(s)\n");
    h = o.out.substr(0, o.out.size() - 1);
  }
  auto expect = [&](const std::string& body, const std::string& tail) {
    std::string e = error_of(body);
    EXPECT_NE(e.find(tail), std::string::npos) << e;
  };
  expect("com_object_get_int(s, \"Child. Number\")\n", "行: 3, com_object_get_int(");
  expect("com_object_get_int(s, \"Child. Number\")\n", "'Child. Number')\r\n\r\n第2个参数中不能含有空格");
  expect("com_object_set_int(s, \"Child.\", 1)\n", "'Child.')\r\n\r\n第2个参数结尾处不能有 '.'");
  expect("com_object_get_object(s, \"Child..Name\")\n", "'Child..Name')\r\n\r\n第2个参数错误");
  expect("com_object_get_int(s, \"Child.Missing\")\n", "'Child.Missing') 属性名 'Missing' 不存在");
  expect("com_object_get_int(s, \"Missing.Name\")\n", "com_object_get_object(");
  expect("com_object_get_int(s, \"Broken\")\n", "'Broken') 发生错误。\n\nInvoke() 返回值: -2147467259 (0x80004005)");
  expect("com_object_set_int(s, \"Nope\", 5)\n", "'Nope', 5) 属性名 'Nope' 不存在");
  expect("com_object_set_int(s, \"Overflow\", 5)\n", "'Overflow', 5) 发生错误: 属性值(5)溢出");
  expect("com_object_set_char(s, \"Overflow\", 'A')\n", "'Overflow', 'A') 发生错误: 属性值(65)溢出");
  expect("com_object_set_string(s, \"Overflow\", \"x\")\n", "'Overflow', ...) 发生错误: 属性值溢出");
  expect("com_object_set_double(s, \"Broken\", 1.5)\n", "'Broken', 1.500000) 发生错误。\n\nInvoke() 返回值: -2147467259");
  expect("int (*f)() = com_object_get_function(s, \"Nothing.At.All\")\n", "com_object_get_object(");
  expect("int (*f)() = com_object_get_function(s, \"Gone\")\n", "com_object_get_function(");
  expect("int (*f)() = com_object_get_function(s, \"Gone\")\n", "'Gone') 函数 'Gone' 不存在");
  expect("int (*f)(int) = com_object_get_function(s, \"Concat\")\nf(1)\n",
         "行: 4, 函数指针 f() 的参数数量与其对应的COM组件中函数 Concat() 的参数数量不一致。");
  expect("int (*f)(string) = com_object_get_function(s, \"Twice\")\nf(\"x\")\n",
         "函数指针 f() 的参数类型与其对应的COM组件中函数 Twice() 的参数类型不一致。");
  expect("int (*f)() = com_object_get_function(s, \"Fail\")\nf()\n",
         "调用函数指针 f() 对应的COM组件中的函数 Fail() 时发生错误，Invoke()返回值: -2147352567 (0x80020009)");
  expect("int (*f)(string*, string*, string*, string*, string*, string*, string*, string*, string*) = "
         "com_object_get_function(s, \"Swap\")\nstring a = \"\"\nf(a, a, a, a, a, a, a, a, a)\n",
         "很抱歉，函数指针 f() 最多只支持 8 个 string * 类型的参数。");
  // Handles this run did not hand out, or already gave back, are refused.
  expect("int bad = 1234\ncom_object_get_int(bad, \"Number\")\n", "com_object_get_int(1234, ...)");
  expect("int c = s\ncom_object_free(s)\ncom_object_get_int(c, \"Number\")\n", "ComObjectHandle 不是本次运行创建");
  expect("int (*f)(string, string) = com_object_get_function(s, \"Concat\")\ncom_object_free(s)\nf(\"a\", \"b\")\n",
         "已经用 com_object_free() 释放");
  expect("int sa = 77\ncom_object_set_safe_array_int(s, \"Array\", sa)\n", "安全数组");
}

TEST_F(ComServer, FreeSetsTheVariableToZeroAndCreationFailuresGiveZero) {
  Outcome o = run_script(R"(int s = com_object_new("Quorin.TestServer")
com_object_free(s)
println(s)
com_object_free(s)
println(com_object_new("No.Such.Server"))
println(com_object_new("Quorin.TestServer", "not-an-iid"))
int u = com_object_new("Quorin.TestServer", "00000000-0000-0000-c000-000000000046")
if u != 0
  println(1)
endif
com_object_free(u)
println(u)
if com_initialize() >= 0
  println(1)
endif
com_uninitialize()
com_uninitialize()
)");
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out, "0\n0\n0\n1\n0\n1\n");
}

}  // namespace
}  // namespace quorin
