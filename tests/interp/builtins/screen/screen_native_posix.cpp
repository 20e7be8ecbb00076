// Natively there is no screen: the screen builtins end the run with a clear
// message, while searches inside Bmp values work.
#include <gtest/gtest.h>

#include "interp/runtime/script_run.h"
#include "runtime/run.h"

namespace quorin {
namespace {

TEST(ScreenNative, ScreenBuiltinsNeedWindows) {
  for (const char* call : {"screen_get_color_at(1, 1)", "screen_get_width()", "get_dc(0)",
                           "window_get_bmp(0)", "screen_get_bmp(0, 0, 5, 5)"}) {
    auto program = testing::compile_text(std::string("console_println(") + call + ")\n");
    ASSERT_TRUE(program);
    testing::RunPort port;
    Runtime rt(*program, port);
    rt.state.store(kRunning);
    run_program(rt);
    ASSERT_EQ(port.errors.size(), 1u) << call;
    const std::string name(call, std::string(call).find('('));
    EXPECT_NE(to_utf8(port.errors[0]).find(name + "() 只能在 Windows 上使用"), std::string::npos)
        << to_utf8(port.errors[0]);
  }
}

}  // namespace
}  // namespace quorin
