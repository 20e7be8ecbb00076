// The quick paths of counting loops, calls and string appends still meet the
// run-state checks at every statement of their bodies: a long loop pauses
// and stops as promptly as any other statement list.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "interp/runtime/script_run.h"

namespace quorin {
namespace {

using testing::compile_text;
using testing::RunPort;

// Waits for `done`; a loop that never looks at the run state would keep the
// thread busy for minutes, so the test gives up loudly instead of hanging.
void wait_or_abort(const std::atomic<bool>& done, const char* what) {
  for (int i = 0; i < 2500 && !done.load(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  if (!done.load()) {
    std::fprintf(stderr, "%s: the script thread did not stop\n", what);
    std::abort();
  }
}

TEST(LoopRunState, LongLoopsPauseAndStopAtTheirStatements) {
  const char* sources[] = {
      // int counter, the body a script-function call
      "func long add(long t, int i)\n  return t + i\nendfunc\nlong total = 0\nint i\nconsole_println(\"go\")\n"
      "for i = 1 to 2000000000\n  total = add(total, i)\nnext\nconsole_println(\"done\")\n",
      // long counter inside a function, the body a string append
      "func void grow()\n  string s = \"\"\n  long k\n  for k = 1 to 9000000000 step 3\n    s = s + \"x\"\n"
      "    if len(s) > 1000\n      s = \"\"\n    endif\n  next\nendfunc\nconsole_println(\"go\")\ngrow()\n"
      "console_println(\"done\")\n",
  };
  for (const char* source : sources) {
    auto program = compile_text(source);
    ASSERT_TRUE(program);
    RunPort port;
    Runtime rt(*program, port);
    rt.control.interactive = true;
    rt.state.store(kRunning);
    std::atomic<bool> done{false};
    std::thread t([&] {
      run_script(rt);
      done = true;
    });
    ASSERT_TRUE(port.wait_out(u"go\n"));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    rt.control.toggle(true);  // pause, then on again
    EXPECT_EQ(rt.state.load(), kPaused);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    rt.control.toggle(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    rt.control.stop();
    wait_or_abort(done, source);
    t.join();
    EXPECT_EQ(port.stdout_text(), u"go\n");
    EXPECT_EQ(rt.state.load(), kStopped);
  }
}

}  // namespace
}  // namespace quorin
