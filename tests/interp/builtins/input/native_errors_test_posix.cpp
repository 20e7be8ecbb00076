// Natively there is no desktop: the input and window builtins compile and
// raise a runtime error naming themselves; the pure helpers work.
#include <gtest/gtest.h>

#include "interp/runtime/script_run.h"

namespace quorin {
namespace {

using testing::compile_text;
using testing::RunPort;

std::u16string first_error(const std::string& source) {
  auto program = compile_text(source);
  if (!program) return u"";
  RunPort port;
  Runtime rt(*program, port);
  rt.state.store(kRunning);
  run_script(rt);
  return port.errors.empty() ? u"" : port.errors[0];
}

TEST(InputNative, DesktopBuiltinsNameThemselves) {
  EXPECT_EQ(first_error("int a = 1\nmouse_left_click(1, 2)\n"),
            u"运行时错误：\n\n行: 2, mouse_left_click() 需要 Windows 桌面, 本机命令行不能执行");
  EXPECT_NE(first_error("key_tab(2)\n").find(u"key_tab()"), std::u16string::npos);
  EXPECT_NE(first_error("wait_key_press(1)\n").find(u"wait_key_press()"), std::u16string::npos);
  EXPECT_NE(first_error("window_find(\"\", \"x\")\n").find(u"window_find()"), std::u16string::npos);
  EXPECT_NE(first_error("int p = 5\nfree(p)\n").find(u"free()"), std::u16string::npos);
  EXPECT_EQ(first_error("int w = make_wparam(1, 2)\n"), u"");
}

}  // namespace
}  // namespace quorin
