#include "builtins/json/json_builtins.h"

#include <cmath>
#include <limits>
#include <string>

#include "builtins/json/trees.h"
#include "support/format.h"

namespace quorin::json {
namespace {

constexpr int kExitCode = -1;

struct Node {
  cJSON* node;
  int32_t root;
};

// The node of handle `h`, which the builtin `name` received as its first
// argument; 0 and handles this run did not hand out (or whose tree was
// freed) end the run.
Node need(Runtime& rt, int32_t h, std::u16string_view name) {
  if (h == 0) rt.fail(format16(u"函数 %s() 第一个参数值为 0", name), kExitCode);
  const Trees::Entry* e = trees_of(rt).find(h);
  if (!e)
    rt.fail(format16(u"函数 %s() 第一个参数 %d 不是有效的 JSON 句柄（不是本次运行得到的句柄，或所在的 JSON 已被 json_free 释放）",
                     name, h),
            kExitCode);
  return {e->node, e->root};
}

// Follows a member path: pieces between dots, empty pieces skipped, each
// naming a member of the current object (compared without regard to case).
cJSON* walk(cJSON* node, std::u16string_view path) {
  const std::string p = to_utf8(path);
  size_t i = 0;
  while (node && i < p.size()) {
    size_t j = p.find('.', i);
    if (j == std::string::npos) j = p.size();
    if (j > i) {
      const std::string piece = p.substr(i, j - i);
      if (!cJSON_IsObject(node) || piece.find('\0') != std::string::npos) return nullptr;
      node = cJSON_GetObjectItem(node, piece.c_str());
    }
    i = j + 1;
  }
  return node;
}

// The node at `path` below handle `h`; a missing member ends the run.
Node need_at(Runtime& rt, int32_t h, const Str& path, std::u16string_view name) {
  Node n = need(rt, h, name);
  n.node = walk(n.node, path);
  if (!n.node) rt.fail(format16(u"JSON 对象 \"%s\" 不存在", path.view()), kExitCode);
  return n;
}

[[noreturn]] void mismatch(Runtime& rt, std::u16string_view name) {
  rt.fail(format16(u"%s() 类型不匹配", name), kExitCode);
}

// Type tests never end the run for handle 0 or a missing member.
template <auto Test>  // a cJSON type test (stdcall in the Windows build)
int32_t test(Runtime& rt, int32_t h, std::u16string_view name) {
  if (h == 0) return 0;
  return Test(need(rt, h, name).node) ? 1 : 0;
}
template <auto Test>  // a cJSON type test (stdcall in the Windows build)
int32_t test_at(Runtime& rt, int32_t h, const Str& path, std::u16string_view name) {
  if (h == 0) return 0;
  cJSON* n = walk(need(rt, h, name).node, path);
  return n && Test(n) ? 1 : 0;
}

Str string_of(Runtime& rt, cJSON* n, std::u16string_view name) {
  if (cJSON_IsNull(n)) return Str();
  if (!cJSON_IsString(n) || !n->valuestring) mismatch(rt, name);
  return Str(from_utf8(n->valuestring));
}

// Toward zero, saturating at the type's limits (a JSON number may be far
// outside them, or infinite).
template <class T>
T truncate(double d) {
  if (std::isnan(d)) return 0;
  constexpr double hi = static_cast<double>(std::numeric_limits<T>::max());
  constexpr double lo = static_cast<double>(std::numeric_limits<T>::min());
  if (d >= hi) return std::numeric_limits<T>::max();
  if (d <= lo) return std::numeric_limits<T>::min();
  return static_cast<T>(d);
}

double number_of(Runtime& rt, cJSON* n, std::u16string_view name) {
  if (!cJSON_IsNumber(n)) mismatch(rt, name);
  return n->valuedouble;
}

int32_t int_of(Runtime& rt, cJSON* n, std::u16string_view name) { return truncate<int32_t>(number_of(rt, n, name)); }
int64_t long_of(Runtime& rt, cJSON* n, std::u16string_view name) { return truncate<int64_t>(number_of(rt, n, name)); }

int32_t size_of(Runtime& rt, cJSON* n, std::u16string_view name) {
  if (!cJSON_IsArray(n)) mismatch(rt, name);
  return cJSON_GetArraySize(n);
}

int32_t element_of(Runtime& rt, Node n, int32_t index, std::u16string_view name) {
  const int32_t size = size_of(rt, n.node, name);
  if (index < 0 || index >= size) return 0;
  return trees_of(rt).handle_of(cJSON_GetArrayItem(n.node, index), n.root);
}

// A reader of one node, applied to the node a handle names or to the node
// a path leads to from there; `name` is the builtin its errors name.
template <auto Read>
auto read(Runtime& rt, int32_t h, std::u16string_view name) {
  return Read(rt, need(rt, h, name).node, name);
}
template <auto Read>
auto read_at(Runtime& rt, int32_t h, const Str& path, std::u16string_view name) {
  return Read(rt, need_at(rt, h, path, name).node, name);
}

Str printed(cJSON* n, bool formatted) {
  char* text = formatted ? cJSON_Print(n) : cJSON_PrintUnformatted(n);
  if (!text) return Str();
  Str s(from_utf8(text));
  cJSON_free(text);
  return s;
}

}  // namespace

int32_t parse(Runtime& rt, const Str& text) {
  const std::string u = to_utf8(text);
  // The whole text must be one JSON value (white space around it allowed).
  const char* end = nullptr;
  cJSON* root = cJSON_ParseWithLengthOpts(u.c_str(), u.size() + 1, &end, 0);
  if (!root) return 0;
  for (const char* p = end; p < u.c_str() + u.size(); ++p) {
    if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n') {
      cJSON_Delete(root);
      return 0;
    }
  }
  return trees_of(rt).adopt(root);
}

Str print(Runtime& rt, int32_t h) { return printed(need(rt, h, u"json_print").node, true); }
Str print_as(Runtime& rt, int32_t h, int32_t formatted) {
  return printed(need(rt, h, u"json_print").node, formatted != 0);
}

int32_t get_item(Runtime& rt, int32_t h, const Str& path) {
  Node n = need(rt, h, u"json_get_item");
  return trees_of(rt).handle_of(walk(n.node, path), n.root);
}

int32_t has_item(Runtime& rt, int32_t h, const Str& path) {
  return walk(need(rt, h, u"json_get_item").node, path) ? 1 : 0;
}

int32_t item_type(Runtime& rt, int32_t h) { return need(rt, h, u"json_get_item_type").node->type; }
int32_t item_type_at(Runtime& rt, int32_t h, const Str& path) {
  return need_at(rt, h, path, u"json_get_item_type").node->type & 0xFF;
}

#define QUORIN_JSON_TEST(NAME, TEST)                                                              \
  int32_t NAME(Runtime& rt, int32_t h) { return test<TEST>(rt, h, u"json_" #NAME); }             \
  int32_t NAME##_at(Runtime& rt, int32_t h, const Str& path) {                                  \
    return test_at<TEST>(rt, h, path, u"json_" #NAME);                                           \
  }
QUORIN_JSON_TEST(is_false, cJSON_IsFalse)
QUORIN_JSON_TEST(is_true, cJSON_IsTrue)
QUORIN_JSON_TEST(is_null, cJSON_IsNull)
QUORIN_JSON_TEST(is_number, cJSON_IsNumber)
QUORIN_JSON_TEST(is_string, cJSON_IsString)
QUORIN_JSON_TEST(is_array, cJSON_IsArray)
QUORIN_JSON_TEST(is_object, cJSON_IsObject)
#undef QUORIN_JSON_TEST

Str value_string(Runtime& rt, int32_t h) { return read<string_of>(rt, h, u"json_get_value_string"); }
Str value_string_at(Runtime& rt, int32_t h, const Str& path) {
  return read_at<string_of>(rt, h, path, u"json_get_value_string");
}

int32_t value_int(Runtime& rt, int32_t h) { return read<int_of>(rt, h, u"json_get_value_int"); }
int32_t value_int_at(Runtime& rt, int32_t h, const Str& path) {
  return read_at<int_of>(rt, h, path, u"json_get_value_int");
}
int64_t value_long(Runtime& rt, int32_t h) { return read<long_of>(rt, h, u"json_get_value_long"); }
int64_t value_long_at(Runtime& rt, int32_t h, const Str& path) {
  return read_at<long_of>(rt, h, path, u"json_get_value_long");
}
double value_double(Runtime& rt, int32_t h) { return read<number_of>(rt, h, u"json_get_value_double"); }
double value_double_at(Runtime& rt, int32_t h, const Str& path) {
  return read_at<number_of>(rt, h, path, u"json_get_value_double");
}

int32_t array_size(Runtime& rt, int32_t h) { return read<size_of>(rt, h, u"json_get_array_size"); }
int32_t array_size_at(Runtime& rt, int32_t h, const Str& path) {
  return read_at<size_of>(rt, h, path, u"json_get_array_size");
}
int32_t array_item(Runtime& rt, int32_t h, int32_t index) {
  constexpr std::u16string_view name = u"json_get_array_item";
  return element_of(rt, need(rt, h, name), index, name);
}
int32_t array_item_at(Runtime& rt, int32_t h, const Str& path, int32_t index) {
  constexpr std::u16string_view name = u"json_get_array_item";
  return element_of(rt, need_at(rt, h, path, name), index, name);
}

void free_tree(Runtime& rt, int32_t h) {
  Node n = need(rt, h, u"json_free");
  if (n.root != h)
    rt.fail(format16(u"函数 json_free() 第一个参数 %d 不是 json_parse 返回的根句柄，不能单独释放", h), kExitCode);
  trees_of(rt).free_tree(h);
}

}  // namespace quorin::json
