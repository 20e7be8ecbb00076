// JSON handles: only live handles of this run reach a node.
#include <gtest/gtest.h>

#include "builtins/json/json_builtins.h"
#include "builtins/json/trees.h"
#include "interp/builtins/strings/strings_test_support.h"
#include "support/format.h"

namespace quorin::json {
namespace {

class JsonTest : public strings_test::StringsTest {
 protected:
  // The text of the runtime error `f` ends the run with (exit code -1).
  template <class F>
  std::u16string json_error(F&& f) {
    ui.errors.clear();
    try {
      f();
    } catch (const ScriptExit& e) {
      EXPECT_EQ(e.code, -1);
      return ui.errors.empty() ? std::u16string() : ui.errors.back();
    }
    ADD_FAILURE() << "no runtime error";
    return {};
  }
};

TEST_F(JsonTest, NodesKeepTheirHandleAndDieWithTheirTree) {
  int32_t root = parse(rt, Str(u"{\"a\": {\"b\": [1, 2]}}"));
  ASSERT_NE(root, 0);
  int32_t a = get_item(rt, root, Str(u"a"));
  EXPECT_EQ(a, get_item(rt, root, Str(u"..A.")));
  int32_t list = get_item(rt, a, Str(u"b"));
  EXPECT_NE(list, a);
  EXPECT_EQ(array_size(rt, list), 2);
  // Looking nodes up again and again hands out no new handles.
  for (int i = 0; i < 100; ++i) get_item(rt, root, Str(u"a.b"));
  EXPECT_EQ(trees_of(rt).live_handles(), 3u);

  free_tree(rt, root);
  EXPECT_EQ(trees_of(rt).live_trees(), 0u);
  EXPECT_EQ(trees_of(rt).live_handles(), 0u);
  for (int32_t dead : {root, a, list}) {
    std::u16string e = json_error([&] { array_size(rt, dead); });
    EXPECT_NE(e.find(u"不是有效的 JSON 句柄"), std::u16string::npos);
  }
  // Handles are not reused by later trees.
  int32_t next = parse(rt, Str(u"[]"));
  EXPECT_NE(next, root);
  EXPECT_NE(next, a);
  EXPECT_NE(next, list);
}

TEST_F(JsonTest, MadeUpAndForeignHandlesAreRefused) {
  EXPECT_EQ(json_error([&] { print(rt, 1); }),
            u"运行时错误：\n\n行: 7, 函数 json_print() 第一个参数 1 不是有效的 JSON 句柄（不是本次运行得到的句柄，或所在的 JSON 已被 json_free 释放）");
  // A handle of another run means nothing in this one.
  Program other_program;
  strings_test::RecordingUi other_ui;
  Runtime other(other_program, other_ui);
  int32_t foreign = parse(other, Str(u"{\"x\": 1}"));
  ASSERT_NE(foreign, 0);
  json_error([&] { is_object(rt, foreign); });
  // Type tests refuse a made-up handle too; only 0 gives 0.
  EXPECT_EQ(is_object(rt, 0), 0);
  json_error([&] { is_object(rt, -5); });
}

TEST_F(JsonTest, FreeingANodeOrZeroIsRefused) {
  int32_t root = parse(rt, Str(u"{\"a\": [1]}"));
  int32_t a = get_item(rt, root, Str(u"a"));
  EXPECT_EQ(json_error([&] { free_tree(rt, a); }),
            format16(u"运行时错误：\n\n行: 7, 函数 json_free() 第一个参数 %d 不是 json_parse 返回的根句柄，不能单独释放", a));
  EXPECT_EQ(array_size(rt, a), 1);  // still alive
  EXPECT_EQ(json_error([&] { free_tree(rt, 0); }), u"运行时错误：\n\n行: 7, 函数 json_free() 第一个参数值为 0");
  EXPECT_EQ(json_error([&] { has_item(rt, 0, Str(u"a")); }),
            u"运行时错误：\n\n行: 7, 函数 json_get_item() 第一个参数值为 0");
}

TEST_F(JsonTest, NumbersTruncateTowardZeroAndSaturate) {
  int32_t root = parse(rt, Str(u"{\"p\": 2.9, \"n\": -2.9, \"huge\": 1e300, \"tiny\": -1e300, \"l\": 8589934592.7}"));
  EXPECT_EQ(value_int_at(rt, root, Str(u"p")), 2);
  EXPECT_EQ(value_int_at(rt, root, Str(u"n")), -2);
  EXPECT_EQ(value_int_at(rt, root, Str(u"huge")), INT32_MAX);
  EXPECT_EQ(value_int_at(rt, root, Str(u"tiny")), INT32_MIN);
  EXPECT_EQ(value_long_at(rt, root, Str(u"l")), 8589934592LL);
  EXPECT_EQ(value_long_at(rt, root, Str(u"huge")), INT64_MAX);
  EXPECT_EQ(json_error([&] { value_int_at(rt, root, Str(u"x.y")); }),
            u"运行时错误：\n\n行: 7, JSON 对象 \"x.y\" 不存在");
  EXPECT_EQ(json_error([&] { array_size(rt, root); }), u"运行时错误：\n\n行: 7, json_get_array_size() 类型不匹配");
}

TEST_F(JsonTest, TextCrossesAsUtf8AndUtf16) {
  int32_t root = parse(rt, Str(u"{\"名字\": \"𝄞中\"}"));
  EXPECT_EQ(value_string_at(rt, root, Str(u"名字")).view(), u"𝄞中");
  EXPECT_EQ(print_as(rt, root, 0).view(), u"{\"名字\":\"𝄞中\"}");
  // An embedded NUL ends the text: the rest is not JSON.
  EXPECT_EQ(parse(rt, Str(std::u16string(u"{}\0{}", 5))), 0);
}

}  // namespace
}  // namespace quorin::json
