// Reference text of the string and conversion builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"char_at", u"返回 s 中下标 index（从 0 开始）处的字符；下标超出范围时报运行时错误。",
     uR"q(
string s = "Quorin"
println(char_at(s, 0))
println(char_at(s, len(s) - 1))
)q",
     u"Q\nn"},
    {u"len", u"返回字符串的字符个数（UTF-16 单元数，一个汉字算 1）。",
     uR"q(
println(len("中文abc"))
)q",
     u"5"},
    {u"len_byte",
     u"返回字符串在指定字符集（省略时为脚本的字符集）下编码后的字节数，不含结束符；ucs-2 为字符数的 2 倍，未知字符集返回 0。",
     uR"q(
println(len_byte("中a", "utf-8"))
println(len_byte("中a", "gbk"))
)q",
     u"4\n3"},
    {u"index_of",
     u"从头（或从下标 start 起）在 s 中查找 t，返回第一次出现的下标，找不到返回 -1；区分大小写。",
     uR"q(
string s = "a-b-c"
println(index_of(s, "-"))
println(index_of(s, "-", 2))
println(index_of(s, "x"))
)q",
     u"1\n3\n-1"},
    {u"last_index_of",
     u"返回 t 在 s 中最后一次出现的下标，找不到返回 -1；给出 start 时只找在该下标处或之前结束的出现。",
     uR"q(
println(last_index_of("abcabc", "bc"))
println(last_index_of("abcabc", "bc", 4))
)q",
     u"4\n1"},
    {u"starts_with", u"s（或 s 从下标 offset 起的部分）以 t 开头时返回 1，否则返回 0。"},
    {u"ends_with", u"s 以 t 结尾时返回 1，否则返回 0；t 为空时总是返回 1。"},
    {u"mid",
     u"返回 s 从下标 start 起的子串：两个参数时取到末尾，三个参数时最多取 n 个字符；start 超出范围或 n 小于 0 时报运行时错误。",
     uR"q(
string path = "report-2024.txt"
println(mid(path, 7, 4))
println(mid(path, 12))
)q",
     u"2024\ntxt"},
    {u"left", u"返回字符串开头的 n 个字符，n 大于长度时返回整个字符串；n 小于 0 时报运行时错误。",
     uR"q(
println(left("2024-06-01", 4))
)q",
     u"2024"},
    {u"right", u"返回字符串末尾的 n 个字符，n 大于长度时返回整个字符串；n 小于 0 时报运行时错误。"},
    {u"replace", u"把 s 中所有不重叠出现的 old_text 替换为 new_text，返回新字符串；s 本身不变。",
     uR"q(
println(replace("a,b,,c", ",", ";"))
)q",
     u"a;b;;c"},
    {u"replace_first", u"只替换 s 中第一次出现的 old_text，返回新字符串；找不到时返回 s 的副本。"},
    {u"lcase", u"返回把字母转成小写后的新字符串。"},
    {u"ucase", u"返回把字母转成大写后的新字符串。",
     uR"q(
println(ucase("Quorin 2") + " / " + lcase("ABC"))
)q",
     u"QUORIN 2 / abc"},
    {u"ltrim", u"返回去掉左端空白（空格、制表符、回车、换行）后的新字符串。"},
    {u"rtrim", u"返回去掉右端空白（空格、制表符、回车、换行）后的新字符串。"},
    {u"trim", u"返回去掉两端空白（空格、制表符、回车、换行）后的新字符串。",
     uR"q(
println("[" + trim("  你好 \r\n") + "]")
)q",
     u"[你好]"},
    {u"space", u"返回由 n 个空格组成的字符串，n 小于 1 时返回空字符串。"},
    {u"split",
     u"按 separator 切分 s，返回新的 ArrayList<string>，保留空片段；separator 为空时每个字符一段。",
     uR"q(
ArrayList<string> parts = split("张三,28,,北京", ",")
println(arraylist_get_size(parts))
string p
for p in parts
  println("[" + p + "]")
next
)q",
     uR"q(
4
[张三]
[28]
[]
[北京]
)q"},
    {u"is_int", u"字符串是整数文本（可带负号，只有数字，不允许空白）时返回 1，否则返回 0。"},
    {u"is_numeric",
     u"字符串是数字文本（可带负号、以数字开头、最多一个小数点，不允许空白和指数）时返回 1，否则返回 0。",
     uR"q(
println(is_numeric("3.14"))
println(is_numeric("1e5"))
println(is_int("-42"))
)q",
     u"1\n0\n1"},
    {u"byte_array_to_string",
     u"把 byte 数组的前 n 个字节按字符集（省略时为脚本的字符集）解码成字符串；遇到 0 字节时字符串在此结束。"},
    {u"string_to_byte_array",
     u"把字符串按字符集（省略时为脚本的字符集）编码，最多复制 n 个字节到 byte 数组开头，返回复制的字节数。",
     uR"q(
byte buf[16]
int n = string_to_byte_array("你好", buf, 16, "utf-8")
println(n)
println(byte_array_to_string(buf, n, "utf-8"))
)q",
     u"6\n你好"},
    {u"stoi",
     u"把数字文本（两端空白会被去掉）转换为 int，小数部分被截掉；不是数字文本时报运行时错误。",
     uR"q(
int n = stoi(" 12 ")
println(n + stoi("1.5"))
)q",
     u"13"},
    {u"stol", u"把数字文本（两端空白会被去掉）转换为 long；不是数字文本时报运行时错误。"},
    {u"stof", u"把数字文本（两端空白会被去掉）转换为 float；不是数字文本时报运行时错误。"},
    {u"stod", u"把数字文本（两端空白会被去掉）转换为 double；不是数字文本时报运行时错误。"},
    {u"itos", u"把 int 转换为十进制文本。"},
    {u"itof", u"把 int 转换为 float。"},
    {u"itol", u"把 int 转换为 long。"},
    {u"itod", u"把 int 转换为 double。"},
    {u"ltos", u"把 long 转换为十进制文本。"},
    {u"ltoi", u"把 long 转换为 int，只保留低 32 位。"},
    {u"ltof", u"把 long 转换为 float。"},
    {u"ltod", u"把 long 转换为 double。"},
    {u"ftoi", u"把 float 向零截断为 int。"},
    {u"ftol", u"把 float 向零截断为 long。"},
    {u"ftod", u"把 float 转换为 double。"},
    {u"ftos", u"把 float 按最多 7 位小数格式化后截取 digits 位小数，返回文本；digits 小于等于 0 时只保留整数部分。"},
    {u"dtoi", u"把 double 向零截断为 int。"},
    {u"dtof", u"把 double 转换为 float。"},
    {u"dtol", u"把 double 向零截断为 long。"},
    {u"dtos",
     u"把 double 按最多 7 位小数格式化后截取 digits 位小数，返回文本；digits 小于等于 0 时只保留整数部分。",
     uR"q(
println(dtos(2.5, 0))
println(dtos(3.14159, 2))
)q",
     u"2\n3.14"},
    {u"hex", u"返回 int 或 long 的小写十六进制文本，不带前缀；负数按补码输出。",
     uR"q(
println(hex(255))
println(hex(-1))
)q",
     u"ff\nffffffff"},
};

constexpr ParamNames kParams[] = {
    {u"char_at", u"s, index"},
    {u"len", u"s"},
    {u"len_byte", u"s, charset"},
    {u"index_of", u"s, t, start"},
    {u"last_index_of", u"s, t, start"},
    {u"starts_with", u"s, t, offset"},
    {u"ends_with", u"s, t"},
    {u"mid", u"s, start, n"},
    {u"left", u"s, n"},
    {u"right", u"s, n"},
    {u"replace", u"s, old_text, new_text"},
    {u"replace_first", u"s, old_text, new_text"},
    {u"lcase", u"s"},
    {u"ucase", u"s"},
    {u"ltrim", u"s"},
    {u"rtrim", u"s"},
    {u"trim", u"s"},
    {u"space", u"n"},
    {u"split", u"s, separator"},
    {u"is_int", u"s"},
    {u"is_numeric", u"s"},
    {u"byte_array_to_string", u"bytes, n, charset"},
    {u"string_to_byte_array", u"s, bytes, n, charset"},
    {u"stoi", u"s"},
    {u"stol", u"s"},
    {u"stof", u"s"},
    {u"stod", u"s"},
    {u"itos", u"n"},
    {u"itof", u"n"},
    {u"itol", u"n"},
    {u"itod", u"n"},
    {u"ltos", u"n"},
    {u"ltoi", u"n"},
    {u"ltof", u"n"},
    {u"ltod", u"n"},
    {u"ftoi", u"x"},
    {u"ftol", u"x"},
    {u"ftod", u"x"},
    {u"ftos", u"x, digits"},
    {u"dtoi", u"x"},
    {u"dtof", u"x"},
    {u"dtol", u"x"},
    {u"dtos", u"x, digits"},
    {u"hex", u"n"},
};

}  // namespace

FamilyDocs strings_docs() { return {u"strings", u"字符串与转换", kDocs, kParams}; }

}  // namespace quorin
