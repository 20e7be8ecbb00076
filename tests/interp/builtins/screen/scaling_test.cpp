// The position conversions follow the display scale found at start-up.
#include <gtest/gtest.h>

#include "interp/runtime/script_run.h"
#include "runtime/run.h"

namespace quorin {
namespace {

std::u16string run_with_scale(bool scaled, float factor) {
  auto program = testing::compile_text(
      "int x\nint y\n"
      "screen_position_physical_to_logical(151, 149, x, y)\nconsole_println(x + \" \" + y)\n"
      "screen_position_logical_to_physical(101, -7, x, y)\nconsole_println(x + \" \" + y)\n"
      "console_println(screen_get_resolution_x_scale())\n");
  if (!program) return u"";
  testing::RunPort port;
  Runtime rt(*program, port);
  rt.display_scaled = scaled;
  rt.scale_x = rt.scale_y = factor;
  rt.state.store(kRunning);
  run_program(rt);
  return port.stdout_text();
}

TEST(ScreenScaling, PositionsUseTheStartUpFactors) {
  // 151 / 1.5 = 100.67 rounds up, 149 / 1.5 = 99.33 down; 101 × 1.5 = 151.5
  // up; -7 × 1.5 = -10.5 keeps -10 (negative values never get the +1).
  EXPECT_EQ(run_with_scale(true, 1.5f), u"101 99\n152 -10\n1.5\n");
  EXPECT_EQ(run_with_scale(false, 1.0f), u"151 149\n101 -7\n1\n");
}

}  // namespace
}  // namespace quorin
