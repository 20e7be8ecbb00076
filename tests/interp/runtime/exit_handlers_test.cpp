// `atexit` registrations run when the script ends itself, not after the user
// stopped it or after the run ended.
#include "../frontend/compile_fixture.h"
#include "runtime/run.h"
#include "test_ui_port.h"

namespace quorin {
namespace {

const char* kScript =
    "func void bye()\n  console_println(\"bye\")\nendfunc\natexit(bye())\natexit(bye())\n"
    "console_println(\"run\")\n";

std::u16string run_then(int state_before_exit, bool call_exit) {
  auto c = testing::compile_text(std::string(kScript) + (call_exit ? "exit()\n" : ""), CheckMode::Run);
  EXPECT_NE(c.result.program, nullptr);
  testing::TestUiPort ui;
  Runtime rt(*c.result.program, ui);
  rt.state.store(kRunning);
  run_program(rt);
  if (state_before_exit >= 0) {
    rt.state.store(state_before_exit);
    rt.exit_handlers_ran = false;
    rt.exiting = false;
    rt.run_exit_handlers();
  }
  return ui.out;
}

TEST(ExitHandlers, RunInOrderOnExit) { EXPECT_EQ(run_then(-1, true), u"run\nbye\nbye\n"); }

TEST(ExitHandlers, DoNotRunAfterTheEndOrAStop) {
  EXPECT_EQ(run_then(-1, false), u"run\n");          // the list ended: state 5
  EXPECT_EQ(run_then(kStopped, false), u"run\n");    // stopped by the user
  EXPECT_EQ(run_then(kPaused, false), u"run\nbye\nbye\n");  // closing while paused runs them
}

TEST(ExitHandlers, RunAfterARuntimeError) {
  auto c = testing::compile_text(std::string(kScript) + "int z = 0\nprintln(1 / z)\n", CheckMode::Run);
  ASSERT_NE(c.result.program, nullptr);
  testing::TestUiPort ui;
  Runtime rt(*c.result.program, ui);
  rt.state.store(kRunning);
  EXPECT_EQ(run_program(rt), 0);
  EXPECT_EQ(ui.out, u"run\nbye\nbye\n");
  ASSERT_EQ(ui.errors.size(), 1u);
}

}  // namespace
}  // namespace quorin
