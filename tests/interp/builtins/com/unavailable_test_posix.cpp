// Without COM every builtin still checks, and a call ends the run with a
// runtime error that names it.
#include <gtest/gtest.h>

#include "interp/frontend/compile_fixture.h"
#include "interp/runtime/test_ui_port.h"
#include "runtime/run.h"

namespace quorin {
namespace {

TEST(ComNative, ACallRaisesARuntimeError) {
  auto c = testing::compile_text("println(\"a\")\nint d = com_object_new(\"Scripting.Dictionary\")\nprintln(\"b\")\n",
                                 CheckMode::Run);
  ASSERT_NE(c.result.program, nullptr);
  testing::TestUiPort ui;
  Runtime rt(*c.result.program, ui);
  rt.state.store(kRunning);
  run_program(rt);
  EXPECT_EQ(ui.console, u"a\r\n");
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_NE(ui.errors[0].find(u"行: 2, com_object_new() 只能在 Windows 上使用"), std::u16string::npos);
}

}  // namespace
}  // namespace quorin
