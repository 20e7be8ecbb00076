#include "runtime/run_control.h"

#include <gtest/gtest.h>

#include <thread>

#include "interp/runtime/script_run.h"

namespace quorin {
namespace {

using testing::compile_text;
using testing::RunPort;
using Events = std::vector<std::string>;

TEST(RunControl, TransitionsAndTheirEffects) {
  auto program = compile_text("int a = 1\n");
  ASSERT_TRUE(program);
  RunPort port;
  Runtime rt(*program, port);
  rt.state.store(kNotStarted);

  rt.control.toggle(true);  // start: no box, the script thread is woken
  EXPECT_EQ(rt.state.load(), kRunning);
  EXPECT_TRUE(rt.start_event.wait_for(std::chrono::milliseconds(0)));

  rt.control.toggle(true);  // pause with the box
  EXPECT_EQ(rt.state.load(), kPaused);
  rt.control.toggle(true);  // resume
  EXPECT_EQ(rt.state.load(), kRunning);
  rt.paused_alert = 0;
  rt.control.toggle(true);  // pause, switch off: no box
  EXPECT_EQ(port.events(), (Events{"state 2", "suspend workers", "state 3", "pause box", "resume workers", "state 2",
                                   "suspend workers", "state 3"}));

  rt.control.stop();  // from paused: workers already parked
  EXPECT_EQ(rt.state.load(), kStopped);
  Events all = port.events();
  Events tail(all.begin() + 8, all.end());
  EXPECT_EQ(tail, (Events{"state 4", "remove hooks", "disable button", "announce 已中止！ warning"}));

  // A stopped run is final.
  size_t before = port.events().size();
  rt.control.toggle(true);
  rt.control.stop();
  rt.control.end_of_run();
  EXPECT_EQ(rt.state.load(), kStopped);
  EXPECT_EQ(port.events().size(), before);
}

TEST(RunControl, StopAndEndWithHiddenWindowEndTheProcess) {
  auto program = compile_text("int a = 1\n");
  ASSERT_TRUE(program);
  {
    RunPort port;
    port.visible = false;
    Runtime rt(*program, port);
    rt.state.store(kRunning);
    rt.stopped_alert = 0;
    rt.control.stop();
    EXPECT_EQ(port.events(), (Events{"suspend workers", "state 4", "remove hooks", "disable button", "end process 0"}));
  }
  {
    RunPort port;
    Runtime rt(*program, port);
    rt.state.store(kRunning);
    rt.control.end_of_run();
    EXPECT_EQ(rt.state.load(), kEnded);
    EXPECT_EQ(port.events(), (Events{"state 5", "remove hooks", "announce 已结束！ info"}));
  }
  {
    // Ending is only from running.
    RunPort port;
    Runtime rt(*program, port);
    rt.state.store(kNotStarted);
    rt.control.end_of_run();
    EXPECT_EQ(rt.state.load(), kNotStarted);
    EXPECT_TRUE(port.events().empty());
  }
}

TEST(RunControl, ScriptEndAnnouncesUnlessExitOrSwitchedOff) {
  struct Case {
    const char* source;
    Events events;
  } cases[] = {
      {"int a = 1\n", {"state 5", "remove hooks", "announce 已结束！ info"}},
      {"config_ended_show_alert(0)\n", {"state 5", "remove hooks"}},
      {"int a = 1\nexit()\n", {}},
  };
  for (const Case& c : cases) {
    auto program = compile_text(c.source);
    ASSERT_TRUE(program);
    RunPort port;
    Runtime rt(*program, port);
    rt.state.store(kRunning);
    RunOutcome out = run_script(rt);
    EXPECT_EQ(port.events(), c.events) << c.source;
    EXPECT_EQ(out.process_exit, c.events.empty()) << c.source;
  }
}

TEST(RunControl, RegisterHotkeyErrors) {
  struct Case {
    const char* source;
    const char16_t* error;
  } cases[] = {
      {"func void cb()\nendfunc\nregister_hotkey(0, 113, \"cb\")\n",
       u"运行时错误：\n\n行: 3, register_hotkey(0, 113, \"cb\") 与 【启动/暂停】快捷键冲突"},
      {"func void cb()\nendfunc\nregister_hotkey(0, 119, \"cb\")\n",
       u"运行时错误：\n\n行: 3, register_hotkey(0, 119, \"cb\") 与 【停止】快捷键冲突"},
      {"quorin_hotkey_stop_code(0x7A)\nfunc void cb()\nendfunc\nregister_hotkey(0, 0x7A, \"cb\")\n",
       u"运行时错误：\n\n行: 4, register_hotkey(0, 122, \"cb\") 与 【停止】快捷键冲突"},
      {"register_hotkey(2, 65, \"nothing\")\n",
       u"运行时错误：\n\n行: 1, register_hotkey(..., ..., \"nothing\") 中的 nothing 不是子函数名"},
      {"func void two(int a, int b)\nendfunc\nregister_hotkey(2, 65, \"two\")\n",
       u"运行时错误：\n\n行: 3, register_hotkey(..., ..., \"two\") 调用的子函数的参数个数必须为 0\n\n"
       u"但是在子函数定义中 two() 有 2 个参数"},
  };
  for (const Case& c : cases) {
    auto program = compile_text(c.source);
    ASSERT_TRUE(program);
    RunPort port;
    Runtime rt(*program, port);
    rt.state.store(kRunning);
    RunOutcome out = run_script(rt);
    EXPECT_TRUE(out.process_exit);
    EXPECT_EQ(out.code, 0);
    ASSERT_EQ(port.errors.size(), 1u) << c.source;
    EXPECT_EQ(port.errors[0], c.error);
  }
}

TEST(RunControl, HotkeyTableReplacesAndRemovesPairs) {
  auto program = compile_text(
      "func void a()\nendfunc\nfunc void b()\nendfunc\n"
      "register_hotkey(2, 65, \"a\")\nregister_hotkey(2, 65, \"b\")\nregister_hotkey(4, 66, \"a\")\n"
      "unregister_hotkey(4, 66)\nunregister_hotkey(1, 1)\n");
  ASSERT_TRUE(program);
  RunPort port;
  Runtime rt(*program, port);
  rt.control.interactive = true;
  rt.state.store(kRunning);
  std::thread t([&] { run_script(rt); });
  // The main list ended with a hotkey left: the thread stays for callbacks.
  for (int i = 0; i < 500 && !rt.control.keep_alive.load(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  EXPECT_TRUE(rt.control.keep_alive.load());
  EXPECT_EQ(rt.state.load(), kRunning);
  const CallRecord* cb = rt.control.find_hotkey(2, 65);
  ASSERT_NE(cb, nullptr);
  EXPECT_EQ(cb->name, u"b");
  EXPECT_EQ(rt.control.find_hotkey(4, 66), nullptr);
  rt.control.stop();
  t.join();
}

TEST(RunControl, CallbacksRunOneAtATimeInArrivalOrder) {
  auto program = compile_text(
      "int n = 0\n"
      "func void tick()\n  n = n + 1\n  console_println(n)\nendfunc\n"
      "func void tock()\n  console_println(\"tock\")\nendfunc\n"
      "register_hotkey(0, 117, \"tick\")\nregister_hotkey(0, 118, \"tock\")\n");
  ASSERT_TRUE(program);
  RunPort port;
  Runtime rt(*program, port);
  rt.control.interactive = true;
  rt.state.store(kRunning);
  std::thread t([&] { run_script(rt); });
  const CallRecord* tick = rt.control.callback_for(**program->functions.find(std::u16string_view(u"tick")));
  const CallRecord* tock = rt.control.callback_for(**program->functions.find(std::u16string_view(u"tock")));
  EXPECT_EQ(tick, rt.control.callback_for(**program->functions.find(std::u16string_view(u"tick"))));
  rt.control.queue_callback(tick);
  rt.control.queue_callback(tock);
  rt.control.queue_callback(tick);
  EXPECT_TRUE(port.wait_out(u"1\ntock\n2\n"));
  rt.control.stop();
  t.join();
  EXPECT_EQ(port.stdout_text(), u"1\ntock\n2\n");
  // No end announcement: the run was kept alive, then stopped.
  for (const std::string& e : port.events()) EXPECT_NE(e, "state 5");
}

TEST(RunControl, PauseBuiltinParksAfterItsStatement) {
  auto program = compile_text("console_println(\"a\")\npause(1)\nconsole_println(\"b\")\n");
  ASSERT_TRUE(program);
  RunPort port;
  Runtime rt(*program, port);
  rt.control.interactive = true;
  rt.state.store(kRunning);
  std::thread t([&] { run_script(rt); });
  ASSERT_TRUE(port.wait_out(u"a\n"));
  for (int i = 0; i < 500 && rt.state.load() != kPaused; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  EXPECT_EQ(rt.state.load(), kPaused);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(port.stdout_text(), u"a\n");
  rt.control.toggle(true);
  t.join();
  EXPECT_EQ(port.stdout_text(), u"a\nb\n");
  EXPECT_EQ(port.events(), (Events{"suspend workers", "state 3", "pause box", "resume workers", "state 2", "state 5",
                                   "remove hooks", "announce 已结束！ info"}));
}

TEST(RunControl, WithoutStartKeyPauseDoesNothingAndHotkeysKeepNothingAlive) {
  auto program = compile_text(
      "func void cb()\nendfunc\nregister_hotkey(2, 65, \"cb\")\n"
      "pause(1)\nsleep(30)\nsleep(-5)\nconsole_println(\"b\")\n");
  ASSERT_TRUE(program);
  RunPort port;
  Runtime rt(*program, port);
  rt.state.store(kRunning);
  auto start = std::chrono::steady_clock::now();
  run_script(rt);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
  EXPECT_EQ(port.stdout_text(), u"b\n");
  EXPECT_EQ(rt.state.load(), kEnded);
}

TEST(RunControl, ParkedScriptThreadLetsExitHandlersRunElsewhere) {
  // The parked thread never returns: its run stays alive until the process
  // ends (reachable from these pointers, so not a leak).
  static Program* program = nullptr;
  static RunPort* port = new RunPort;
  static Runtime* rt = nullptr;
  program = compile_text(
                "func void bye()\n  console_println(\"bye\")\nendfunc\n"
                "atexit(bye())\nconsole_println(\"loop\")\nloop -1\n  sleep(60000)\nendloop\n")
                .release();
  ASSERT_TRUE(program);
  rt = new Runtime(*program, *port);
  rt->state.store(kRunning);
  std::thread([] { run_script(*rt); }).detach();
  ASSERT_TRUE(port->wait_out(u"loop\n"));
  // The long sleep is cut short and the thread parks at the boundary.
  auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(rt->control.park(std::chrono::seconds(5)));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_FALSE(rt->control.park_requested());
  rt->run_exit_handlers();
  EXPECT_EQ(port->stdout_text(), u"loop\nbye\n");
}

}  // namespace
}  // namespace quorin
