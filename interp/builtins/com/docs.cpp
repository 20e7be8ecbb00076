// Reference text of the COM automation builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"com_initialize",
     u"在脚本线程上初始化 COM 库（省略 flags 时为单线程套间，flags 可为 qrCOINIT_ 常量之和），返回系统的结果码（0 或 1 表示成功）。"},
    {u"com_uninitialize", u"撤销一次成功的 com_initialize；没有未撤销的初始化时什么也不做。"},
    {u"com_object_new",
     u"按程序标识 prog_id（如 \"Scripting.Dictionary\"）创建 COM 对象并返回其句柄，可再给出接口标识 iid；尚未初始化 COM 时自动初始化；失败返回 0，用完须 com_object_free。",
     uR"(# 创建字典对象，写入两项后读出条目数
int d = com_object_new("Scripting.Dictionary")
if d == 0
  alert("无法创建对象")
  exit()
endif
int (*add)(string, string) = com_object_get_function(d, "Add")
add("城市", "北京")
add("河流", "长江")
println("条目数: " + com_object_get_int(d, "Count"))
com_object_free(d)
)"},
    {u"com_object_new_from_dll",
     u"直接从 dll_load 载入的 DLL 模块 dll 中按类标识 clsid（可再给出接口标识 iid）创建 COM 对象，返回其句柄；失败返回 0。"},
    {u"com_object_get_object",
     u"读取对象 obj 在属性路径 path（如 \"Workbooks\" 或 \"documentElement.firstChild\"）上的对象属性，返回新的对象句柄（用完须 com_object_free），不是对象时返回 0。"},
    {u"com_object_get_function",
     u"把对象 obj 在路径 path 上的方法绑定为函数指针，赋给声明了参数和返回类型的函数指针变量后即可调用；方法不存在时为运行时错误。",
     uR"(# 用 XML 文档对象载入一段 XML，通过绑定的方法和属性路径读取
int doc = com_object_new("MSXML2.DOMDocument")
short (*load)(string) = com_object_get_function(doc, "loadXML")
load("<书目><书>红楼梦</书><书>茶馆</书></书目>")
println("第一本: " + com_object_get_string(doc, "documentElement.firstChild.text"))
println("本数: " + com_object_get_int(doc, "documentElement.childNodes.length"))
com_object_free(doc)
)"},
    {u"com_object_set_byte", u"把对象 obj 在路径 path 上的属性设为 byte 值 v（无符号 8 位）；失败为运行时错误。"},
    {u"com_object_set_char", u"把对象 obj 在路径 path 上的属性设为字符 v（无符号 16 位）；失败为运行时错误。"},
    {u"com_object_set_short", u"把对象 obj 在路径 path 上的属性设为 short 值 v；失败为运行时错误。"},
    {u"com_object_set_boolean", u"把对象 obj 在路径 path 上的属性设为布尔值（v 非 0 为真）；失败为运行时错误。"},
    {u"com_object_set_int", u"把对象 obj 在路径 path 上的属性设为 int 值 v；失败为运行时错误。"},
    {u"com_object_set_long", u"把对象 obj 在路径 path 上的属性设为 long 值 v（64 位）；失败为运行时错误。"},
    {u"com_object_set_float", u"把对象 obj 在路径 path 上的属性设为 float 值 v；失败为运行时错误。"},
    {u"com_object_set_double", u"把对象 obj 在路径 path 上的属性设为 double 值 v；失败为运行时错误。"},
    {u"com_object_set_string", u"把对象 obj 在路径 path 上的属性设为文字 v；失败为运行时错误。"},
    {u"com_object_set_date", u"把对象 obj 在路径 path 上的属性设为日期 v（自 1899-12-30 起的天数）；失败为运行时错误。"},
    {u"com_object_set_object", u"把对象 obj 在路径 path 上的属性设为另一个对象句柄 v；失败为运行时错误。"},
    {u"com_object_set_safe_array_byte", u"把对象 obj 在路径 path 上的属性设为 byte 安全数组 sa（由 com_safe_array_new_byte 创建）；失败为运行时错误。"},
    {u"com_object_set_safe_array_char", u"把对象 obj 在路径 path 上的属性设为 char 安全数组 sa；失败为运行时错误。"},
    {u"com_object_set_safe_array_short", u"把对象 obj 在路径 path 上的属性设为 short 安全数组 sa；失败为运行时错误。"},
    {u"com_object_set_safe_array_int", u"把对象 obj 在路径 path 上的属性设为 int 安全数组 sa；失败为运行时错误。"},
    {u"com_object_set_safe_array_long", u"把对象 obj 在路径 path 上的属性设为 long 安全数组 sa；失败为运行时错误。"},
    {u"com_object_set_safe_array_float", u"把对象 obj 在路径 path 上的属性设为 float 安全数组 sa；失败为运行时错误。"},
    {u"com_object_set_safe_array_double", u"把对象 obj 在路径 path 上的属性设为 double 安全数组 sa；失败为运行时错误。"},
    {u"com_object_set_safe_array_string", u"把对象 obj 在路径 path 上的属性设为 string 安全数组 sa；失败为运行时错误。"},
    {u"com_object_get_byte", u"读取对象 obj 在路径 path 上的属性，转成 byte 返回（取整数值的低 8 位）。"},
    {u"com_object_get_char", u"读取对象 obj 在路径 path 上的属性，转成 char 返回（取整数值的低 16 位）。"},
    {u"com_object_get_short", u"读取对象 obj 在路径 path 上的属性，转成 short 返回。"},
    {u"com_object_get_boolean", u"读取对象 obj 在路径 path 上的布尔属性，为真返回 1，为假或不是布尔值返回 0。"},
    {u"com_object_get_int", u"读取对象 obj 在路径 path 上的属性，转成 int 返回（小数截去，数字文字会被解析，无法转换时为 0）。"},
    {u"com_object_get_long", u"读取对象 obj 在路径 path 上的属性，转成 long 返回（无法转换时为 0）。"},
    {u"com_object_get_float", u"读取对象 obj 在路径 path 上的属性，转成 float 返回（无法转换时为 0）。"},
    {u"com_object_get_double", u"读取对象 obj 在路径 path 上的属性，转成 double 返回（日期属性返回其天数，无法转换时为 0）。"},
    {u"com_object_get_string", u"读取对象 obj 在路径 path 上的属性，转成文字返回（数字去掉多余的 0，日期为日期时间文字，无法转换时为空）。"},
    {u"com_object_get_date", u"读取对象 obj 在路径 path 上的日期属性，返回自 1899-12-30 起的天数；不是日期时返回 0。"},
    {u"com_object_get_type", u"返回对象 obj 在路径 path 上的属性的类型码（可与 qrVT_Int、qrVT_String 等常量比较）。"},
    {u"com_object_get_type_name", u"返回对象 obj 在路径 path 上的属性的类型名，如 \"int\"、\"string\"、\"object\"。"},
    {u"com_object_get_array_length", u"返回对象 obj 在路径 path 上的数组属性的元素个数，不是数组时返回 -1。"},
    {u"com_object_get_array_byte",
     u"把对象 obj 在路径 path 上的 byte 数组属性的元素复制到数组 dst，最多 limit 个，返回复制的个数；类型不符返回 -1，数据不可访问返回 -2。"},
    {u"com_object_get_array_char", u"把对象 obj 在路径 path 上的 char 数组属性复制到数组 dst，最多 limit 个，返回复制的个数；类型不符返回 -1，数据不可访问返回 -2。"},
    {u"com_object_get_array_short", u"把对象 obj 在路径 path 上的 short 数组属性复制到数组 dst，最多 limit 个，返回复制的个数；类型不符返回 -1，数据不可访问返回 -2。"},
    {u"com_object_get_array_int", u"把对象 obj 在路径 path 上的 int 数组属性复制到数组 dst，最多 limit 个，返回复制的个数；类型不符返回 -1，数据不可访问返回 -2。"},
    {u"com_object_get_array_long", u"把对象 obj 在路径 path 上的 long 数组属性复制到数组 dst，最多 limit 个，返回复制的个数；类型不符返回 -1，数据不可访问返回 -2。"},
    {u"com_object_get_array_float", u"把对象 obj 在路径 path 上的 float 数组属性复制到数组 dst，最多 limit 个，返回复制的个数；类型不符返回 -1，数据不可访问返回 -2。"},
    {u"com_object_get_array_double", u"把对象 obj 在路径 path 上的 double 数组属性复制到数组 dst，最多 limit 个，返回复制的个数；类型不符返回 -1，数据不可访问返回 -2。"},
    {u"com_object_get_array_string", u"把对象 obj 在路径 path 上的 string 数组属性复制到数组 dst，最多 limit 个，返回复制的个数；类型不符返回 -1，数据不可访问返回 -2。"},
    {u"com_safe_array_new_byte", u"用 byte 数组 src 的前 count 个元素创建一个安全数组，返回其句柄，用完须 com_safe_array_destroy。"},
    {u"com_safe_array_new_char", u"用 char 数组 src 的前 count 个元素创建一个安全数组，返回其句柄。"},
    {u"com_safe_array_new_short", u"用 short 数组 src 的前 count 个元素创建一个安全数组，返回其句柄。"},
    {u"com_safe_array_new_int", u"用 int 数组 src 的前 count 个元素创建一个安全数组，返回其句柄。"},
    {u"com_safe_array_new_long", u"用 long 数组 src 的前 count 个元素创建一个安全数组，返回其句柄。"},
    {u"com_safe_array_new_float", u"用 float 数组 src 的前 count 个元素创建一个安全数组，返回其句柄。"},
    {u"com_safe_array_new_double", u"用 double 数组 src 的前 count 个元素创建一个安全数组，返回其句柄。"},
    {u"com_safe_array_new_string", u"用 string 数组 src 的前 count 个元素创建一个安全数组，返回其句柄。"},
    {u"com_safe_array_destroy", u"销毁安全数组 sa，返回系统的结果码（0 表示成功）。"},
    {u"com_object_free", u"释放对象 obj 并把变量置为 0。"},
};

constexpr ParamNames kParams[] = {
    {u"com_initialize", u"flags"},
    {u"com_object_new", u"prog_id, iid"},
    {u"com_object_new_from_dll", u"dll, clsid, iid"},
    {u"com_object_get_object", u"obj, path"},
    {u"com_object_get_function", u"obj, path"},
    {u"com_object_set_byte", u"obj, path, v"},
    {u"com_object_set_char", u"obj, path, v"},
    {u"com_object_set_short", u"obj, path, v"},
    {u"com_object_set_boolean", u"obj, path, v"},
    {u"com_object_set_int", u"obj, path, v"},
    {u"com_object_set_long", u"obj, path, v"},
    {u"com_object_set_float", u"obj, path, v"},
    {u"com_object_set_double", u"obj, path, v"},
    {u"com_object_set_string", u"obj, path, v"},
    {u"com_object_set_date", u"obj, path, v"},
    {u"com_object_set_object", u"obj, path, v"},
    {u"com_object_set_safe_array_byte", u"obj, path, sa"},
    {u"com_object_set_safe_array_char", u"obj, path, sa"},
    {u"com_object_set_safe_array_short", u"obj, path, sa"},
    {u"com_object_set_safe_array_int", u"obj, path, sa"},
    {u"com_object_set_safe_array_long", u"obj, path, sa"},
    {u"com_object_set_safe_array_float", u"obj, path, sa"},
    {u"com_object_set_safe_array_double", u"obj, path, sa"},
    {u"com_object_set_safe_array_string", u"obj, path, sa"},
    {u"com_object_get_byte", u"obj, path"},
    {u"com_object_get_char", u"obj, path"},
    {u"com_object_get_short", u"obj, path"},
    {u"com_object_get_boolean", u"obj, path"},
    {u"com_object_get_int", u"obj, path"},
    {u"com_object_get_long", u"obj, path"},
    {u"com_object_get_float", u"obj, path"},
    {u"com_object_get_double", u"obj, path"},
    {u"com_object_get_string", u"obj, path"},
    {u"com_object_get_date", u"obj, path"},
    {u"com_object_get_type", u"obj, path"},
    {u"com_object_get_type_name", u"obj, path"},
    {u"com_object_get_array_length", u"obj, path"},
    {u"com_object_get_array_byte", u"obj, path, dst, limit"},
    {u"com_object_get_array_char", u"obj, path, dst, limit"},
    {u"com_object_get_array_short", u"obj, path, dst, limit"},
    {u"com_object_get_array_int", u"obj, path, dst, limit"},
    {u"com_object_get_array_long", u"obj, path, dst, limit"},
    {u"com_object_get_array_float", u"obj, path, dst, limit"},
    {u"com_object_get_array_double", u"obj, path, dst, limit"},
    {u"com_object_get_array_string", u"obj, path, dst, limit"},
    {u"com_safe_array_new_byte", u"src, count"},
    {u"com_safe_array_new_char", u"src, count"},
    {u"com_safe_array_new_short", u"src, count"},
    {u"com_safe_array_new_int", u"src, count"},
    {u"com_safe_array_new_long", u"src, count"},
    {u"com_safe_array_new_float", u"src, count"},
    {u"com_safe_array_new_double", u"src, count"},
    {u"com_safe_array_new_string", u"src, count"},
    {u"com_safe_array_destroy", u"sa"},
    {u"com_object_free", u"obj"},
};

}  // namespace

FamilyDocs com_docs() { return {u"com", u"COM 组件", kDocs, kParams}; }

}  // namespace quorin
