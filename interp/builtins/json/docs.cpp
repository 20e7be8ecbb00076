// Reference text of the JSON builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"json_parse",
     u"解析 JSON 文本，返回根节点的句柄（int），文本不是 JSON 时返回 0；用完后用 json_free 释放。",
     uR"q(
int root = json_parse("{\"name\": \"张三\", \"age\": 28, \"tags\": [\"a\", \"b\"]}")
if root != 0
  println(json_get_value_string(root, "name"))
  println(json_get_value_int(root, "age"))
  println(json_get_array_size(root, "tags"))
  json_free(root)
endif
)q",
     u"张三\n28\n2"},
    {u"json_print", u"把节点及其下级输出为 JSON 文本：省略第二个参数或其非 0 时带缩进，为 0 时紧凑输出。",
     uR"q(
int root = json_parse("{ \"a\" : [1, 2] }")
println(json_print(root, 0))
json_free(root)
)q",
     u"{\"a\":[1,2]}"},
    {u"json_get_item",
     u"按以点分隔的成员路径（如 \"data.user.name\"，成员名不分大小写）返回下级节点的句柄，不存在时返回 0。"},
    {u"json_has_item", u"按成员路径查找，节点存在时返回 1，否则返回 0。"},
    {u"json_get_item_type",
     u"返回节点的类型（qrJSON_False、qrJSON_True、qrJSON_NULL、qrJSON_Number、qrJSON_String、qrJSON_Array、qrJSON_Object 等）：只给句柄时返回完整的类型字（可能带有更高的标志位），给出路径时只取低 8 位；路径不存在时报运行时错误。"},
    {u"json_is_false", u"节点（或路径所指节点）是 false 时返回 1，否则返回 0；句柄为 0 或路径不存在时也返回 0。"},
    {u"json_is_true", u"节点（或路径所指节点）是 true 时返回 1，否则返回 0。"},
    {u"json_is_null", u"节点（或路径所指节点）是 null 时返回 1，否则返回 0。"},
    {u"json_is_number", u"节点（或路径所指节点）是数字时返回 1，否则返回 0。"},
    {u"json_is_string", u"节点（或路径所指节点）是字符串时返回 1，否则返回 0。"},
    {u"json_is_array", u"节点（或路径所指节点）是数组时返回 1，否则返回 0。"},
    {u"json_is_object", u"节点（或路径所指节点）是对象时返回 1，否则返回 0。"},
    {u"json_get_value_string",
     u"返回字符串节点（或路径所指节点）的文字，null 节点返回空字符串；其他类型或路径不存在时报运行时错误。"},
    {u"json_get_value_int", u"返回数字节点（或路径所指节点）的值，向零截断为 int；不是数字或路径不存在时报运行时错误。"},
    {u"json_get_value_long", u"返回数字节点（或路径所指节点）的值，向零截断为 long；不是数字或路径不存在时报运行时错误。"},
    {u"json_get_value_double", u"返回数字节点（或路径所指节点）的值（double）；不是数字或路径不存在时报运行时错误。"},
    {u"json_get_array_size", u"返回数组节点（或路径所指数组）的元素个数；不是数组时报运行时错误。"},
    {u"json_get_array_item",
     u"返回数组节点（或路径所指数组）中下标处（从 0 开始）元素的句柄，下标超出范围时返回 0。",
     uR"q(
int root = json_parse("{\"items\": [{\"id\": 7}, {\"id\": 9}]}")
int i
for i = 0 to json_get_array_size(root, "items") - 1
  int item = json_get_array_item(root, "items", i)
  println(json_get_value_int(item, "id"))
next
json_free(root)
)q",
     u"7\n9"},
    {u"json_free", u"释放 json_parse 返回的整棵树；之后该树的所有句柄都不能再用。"},
};

constexpr ParamNames kParams[] = {
    {u"json_parse", u"text"},
    {u"json_print", u"h, formatted"},
    {u"json_get_item", u"h, path"},
    {u"json_has_item", u"h, path"},
    {u"json_get_item_type", u"h, path"},
    {u"json_is_false", u"h, path"},
    {u"json_is_true", u"h, path"},
    {u"json_is_null", u"h, path"},
    {u"json_is_number", u"h, path"},
    {u"json_is_string", u"h, path"},
    {u"json_is_array", u"h, path"},
    {u"json_is_object", u"h, path"},
    {u"json_get_value_string", u"h, path"},
    {u"json_get_value_int", u"h, path"},
    {u"json_get_value_long", u"h, path"},
    {u"json_get_value_double", u"h, path"},
    {u"json_get_array_size", u"h, path"},
    {u"json_get_array_item", u"h, index | h, path, index"},
    {u"json_free", u"root"},
};

}  // namespace

FamilyDocs json_docs() { return {u"json", u"JSON", kDocs, kParams}; }

}  // namespace quorin
