// The native command line: what needs Windows ends the run with a clear
// error, and nothing is ever found in the (empty) module list.
#include "interp/builtins/system/system_test_support.h"

namespace quorin::sys_test {
using namespace quorin::sys;
namespace {

TEST_F(SystemTest, WindowsOnlyBuiltinsSaySo) {
  EXPECT_EQ(error_of([&] { dll_load(rt, Str(u"x.dll")); }),
            u"运行时错误：\n\n行: 3, dll_load() 只能在 Windows 系统中使用");
  EXPECT_EQ(error_of([&] { clipboard_get_text(rt); }),
            u"运行时错误：\n\n行: 3, clipboard_get_text() 只能在 Windows 系统中使用");
  EXPECT_EQ(error_of([&] { storage_set(rt, Str(u"a"), Str(u"b")); }),
            u"运行时错误：\n\n行: 3, storage_set() 只能在 Windows 系统中使用");
}

TEST_F(SystemTest, LookupsInAnEmptyListFailWithTheirMessages) {
  EXPECT_EQ(error_of([&] { dll_get_function(rt, Str(u"f")); }),
            u"运行时错误：\n\n行: 3, dll_get_function('f') 函数 'f' 不存在");
  int32_t h = -5;
  EXPECT_EQ(error_of([&] { dll_get_function_in(rt, Str(u"f"), IntRef{&h}); }),
            u"运行时错误：\n\n行: 3, dll_get_function('f', -5) 函数 'f' 不存在");
  EXPECT_EQ(dll_free(rt, IntRef{&h}), 0);
  EXPECT_EQ(h, -5);
}

}  // namespace
}  // namespace quorin::sys_test
