#include "runtime/run_control.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <future>
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
  // The resuming thread settles after the run may already have ended, so it
  // can show the newest state, ended, once more; that repeat is harmless.
  Events events = port.events();
  auto first_end = std::find(events.begin(), events.end(), "state 5");
  if (first_end != events.end())
    events.erase(std::remove(first_end + 1, events.end(), std::string("state 5")), events.end());
  EXPECT_EQ(events, (Events{"suspend workers", "state 3", "pause box", "resume workers", "state 2", "state 5",
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

// A port that behaves like the Windows host: the window lives on its own GUI
// thread, and the script thread reaches it only by sending a request and
// waiting for the GUI thread to serve it.
class GuiThreadPort : public RunPort {
 public:
  GuiThreadPort() : gui_([this] { serve(); }) {}
  ~GuiThreadPort() override {
    post([this] { quit_ = true; });
    gui_.join();
  }
  // Queues work for the GUI thread (a posted message) without waiting.
  void post(std::function<void()> f) {
    {
      std::lock_guard<std::mutex> g(qm_);
      queue_.push_back(std::move(f));
    }
    qcv_.notify_all();
  }
  // What the GUI thread does when the script thread first sends to it (a key
  // press that was already waiting in its queue).
  std::function<void()> before_first_send;

  void run_state_changed(int st) override { send([&] { RunPort::run_state_changed(st); }); }
  void suspend_workers() override { send([&] { RunPort::suspend_workers(); }); }
  void resume_workers() override { send([&] { RunPort::resume_workers(); }); }
  void show_pause_box(std::atomic<bool>& open) override { send([&] { RunPort::show_pause_box(open); }); }

 private:
  void send(std::function<void()> f) {
    if (std::this_thread::get_id() == gui_.get_id()) return f();
    if (before_first_send) post(std::exchange(before_first_send, nullptr));
    std::promise<void> done;
    post([&] {
      f();
      done.set_value();
    });
    done.get_future().wait();
  }
  void serve() {
    while (!quit_) {
      std::function<void()> f;
      {
        std::unique_lock<std::mutex> g(qm_);
        qcv_.wait(g, [&] { return !queue_.empty(); });
        f = std::move(queue_.front());
        queue_.pop_front();
      }
      f();
    }
  }
  std::mutex qm_;
  std::condition_variable qcv_;
  std::deque<std::function<void()>> queue_;
  bool quit_ = false;
  std::thread gui_;
};

// Runs `f` on a thread of its own; a run that does not finish in time is a
// deadlock, which no test can recover from, so the program ends.
void finishes_or_abort(std::function<void()> f, const char* what) {
  auto done = std::async(std::launch::async, std::move(f));
  if (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    std::fprintf(stderr, "deadlock: %s\n", what);
    std::abort();
  }
  done.get();
}

TEST(RunControl, PauseOnTheScriptThreadWhileTheGuiThreadStops) {
  auto program = compile_text("int a = 1\n");
  ASSERT_TRUE(program);
  for (int round = 0; round < 2; ++round) {
    GuiThreadPort port;
    Runtime rt(*program, port);
    rt.control.interactive = true;
    rt.state.store(kRunning);
    // The stop key arrives while the script thread is pausing: the GUI thread
    // makes its transition before it serves the script thread's request.
    port.before_first_send = [&] { rt.control.stop(); };
    finishes_or_abort([&] { rt.control.toggle(true); }, "pause() against stop");
    EXPECT_EQ(rt.state.load(), kStopped);
    Events ev = port.events();
    ASSERT_FALSE(ev.empty());
    // Whatever order the effects arrived in, the window ends up showing the
    // stopped state, and no pause box opened for a stopped run.
    std::string last_state;
    for (const std::string& e : ev)
      if (e.rfind("state ", 0) == 0) last_state = e;
    EXPECT_EQ(last_state, "state 4");
    EXPECT_EQ(std::count(ev.begin(), ev.end(), "pause box"), 0);
  }
}

TEST(RunControl, PauseAndStopFromTwoThreadsNeverDeadlock) {
  auto program = compile_text("int a = 1\n");
  ASSERT_TRUE(program);
  for (int round = 0; round < 50; ++round) {
    GuiThreadPort port;
    Runtime rt(*program, port);
    rt.control.interactive = true;
    rt.state.store(kRunning);
    finishes_or_abort(
        [&] {
          std::thread script([&] {
            rt.control.toggle(false);  // pause()
            rt.control.toggle(false);  // and on again
          });
          port.post([&] { rt.control.toggle(false); });  // the start/pause key
          port.post([&] { rt.control.stop(); });          // then the stop key
          script.join();
        },
        "pause and stop from two threads");
    // The stop key is handled on the GUI thread; wait for it.
    finishes_or_abort(
        [&] {
          while (rt.state.load() != kStopped) std::this_thread::yield();
        },
        "stop");
    std::promise<void> idle;
    port.post([&] { idle.set_value(); });
    idle.get_future().wait();
    std::string last_state;
    for (const std::string& e : port.events())
      if (e.rfind("state ", 0) == 0) last_state = e;
    EXPECT_EQ(last_state, "state 4") << "round " << round;
  }
}

}  // namespace
}  // namespace quorin
