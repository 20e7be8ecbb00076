// Without COM the spreadsheet and database builtins still check, and a call
// ends the run with a runtime error that names the builtin.
#include <gtest/gtest.h>

#include "interp/frontend/compile_fixture.h"
#include "interp/runtime/test_ui_port.h"
#include "runtime/run.h"

namespace quorin {
namespace {

std::u16string first_error(const char* script) {
  auto c = testing::compile_text(script, CheckMode::Run);
  if (!c.result.program) return u"(no program)";
  testing::TestUiPort ui;
  Runtime rt(*c.result.program, ui);
  rt.state.store(kRunning);
  run_program(rt);
  return ui.errors.empty() ? u"" : ui.errors[0];
}

TEST(OfficeNative, CallsRaiseARuntimeError) {
  EXPECT_NE(first_error("int s = 0\nworksheet_set_cell_value_string(s, 1, 1, \"x\")\n")
                .find(u"行: 2, worksheet_set_cell_value_string() 只能在 Windows 上使用"),
            std::u16string::npos);
  EXPECT_NE(first_error("int c = 0\nconnection_open(c, \"x\")\n").find(u"行: 2, connection_open() 只能在 Windows 上使用"),
            std::u16string::npos);
}

}  // namespace
}  // namespace quorin
