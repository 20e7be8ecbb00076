// Reference text of the console builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"print",
     u"把任意类型的值（数字、字符串、数组、集合、Bmp）转成文字写到主窗口的信息面板，不换行；小数去掉末尾的 0。",
     uR"q(
print("合计: ")
print(2.50)
println("")
)q",
     u"合计: 2.5"},
    {u"println",
     u"与 print 相同，但在输出之后换行；数组和集合按 [1, 2] 或 ArrayList{1, 2} 的形式输出。",
     uR"q(
int a[3] = {1, 2, 3}
ArrayList<string> names = {"张三", "李四"}
println(a)
println(names)
println(3.0)
)q",
     uR"q(
[1, 2, 3]
ArrayList{"张三", "李四"}
3
)q"},
    {u"console_print",
     u"与 print 的格式相同，但把文字按 UTF-8 写到进程的标准输出并立即刷新（编辑器插件读取的就是这里），不换行。"},
    {u"console_println",
     u"与 console_print 相同，但在输出之后换行。",
     uR"q(
console_println("开始处理")
console_println(42)
)q",
     uR"q(
开始处理
42
)q"},
    {u"print_double",
     u"把 x 按最多 7 位小数格式化后截取 digits 位小数，输出到信息面板，不换行；digits 小于等于 0 时只输出整数部分。",
     uR"q(
print_double(3.14159265, 3)
println("")
)q",
     u"3.141"},
    {u"cls", u"清空主窗口的信息面板。"},
};

constexpr ParamNames kParams[] = {
    {u"print", u"value"},
    {u"println", u"value"},
    {u"console_print", u"value"},
    {u"console_println", u"value"},
    {u"print_double", u"x, digits"},
};

}  // namespace

FamilyDocs console_docs() { return {u"console", u"控制台输出", kDocs, kParams}; }

}  // namespace quorin
