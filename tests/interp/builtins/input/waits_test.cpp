// The waits for a key and a click: completed by the hook's decision while
// the run is running, kept going while it is paused, ended by a stop.
#include "builtins/input/waits.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "host/hotkey_filter.h"
#include "interp/runtime/script_run.h"

namespace quorin {
namespace {

using namespace std::chrono_literals;
using testing::compile_text;
using testing::RunPort;

// Records what the waits asked for.
class FakeWatcher : public WaitWatcher {
 public:
  std::atomic<int> keys{0}, clicks{0}, unwatched{0};
  void watch_keys(Runtime&) override { ++keys; }
  void watch_clicks(Runtime&) override { ++clicks; }
  void unwatch() override { ++unwatched; }
};

struct WaitRun {
  std::unique_ptr<Program> program;
  RunPort port;
  std::unique_ptr<Runtime> rt;
  FakeWatcher* watcher = nullptr;
  std::thread thread;

  explicit WaitRun(const std::string& source) : program(compile_text(source)) {
    rt = std::make_unique<Runtime>(*program, port);
    auto w = std::make_unique<FakeWatcher>();
    watcher = w.get();
    rt->families.put<WaitWatcher>(std::move(w));
    rt->state.store(kRunning);
    thread = std::thread([this] { run_script(*rt); });
  }
  ~WaitRun() {
    if (thread.joinable()) thread.join();
  }
  void key_down(int vk, int state) {
    HotkeyFilter f;
    KeyEventInfo e;
    e.vk = vk;
    last_swallowed = f.on_key(e, ControlKeys{}, rt->control, state).swallow;
  }
  bool last_swallowed = false;
};

TEST(InputWaits, KeyWaitTakesTheNextKeyDownWhileRunning) {
  WaitRun r("console_println(wait_key_press(1))\nconsole_println(wait_key_press())\n");
  ASSERT_TRUE(r.program);
  while (!r.rt->control.key_wait_pending.load()) std::this_thread::sleep_for(1ms);
  // Paused: the hook lets the key through and the wait goes on.
  r.key_down('P', kPaused);
  EXPECT_FALSE(r.last_swallowed);
  EXPECT_TRUE(r.rt->control.key_wait_pending.load());
  // Running: the key completes the wait and, with the block flag, is swallowed.
  r.key_down('A', kRunning);
  EXPECT_TRUE(r.last_swallowed);
  ASSERT_TRUE(r.port.wait_out(u"65\n"));
  while (!r.rt->control.key_wait_pending.load()) std::this_thread::sleep_for(1ms);
  r.key_down('B', kRunning);
  EXPECT_FALSE(r.last_swallowed);
  r.thread.join();
  EXPECT_EQ(r.port.stdout_text(), u"65\n66\n");
  EXPECT_EQ(r.watcher->keys.load(), 2);
  EXPECT_EQ(r.watcher->unwatched.load(), 2);
}

TEST(InputWaits, ClickWaitWritesThePoint) {
  WaitRun r("int x = -1, y = -1\nwait_mouse_left_down(x, y, 1)\nconsole_println(x + \",\" + y)\n");
  ASSERT_TRUE(r.program);
  RunControl& c = r.rt->control;
  while (!c.click_wait_pending.load()) std::this_thread::sleep_for(1ms);
  EXPECT_TRUE(c.click_wait_block.load());
  EXPECT_EQ(r.watcher->clicks.load(), 1);
  // What the mouse hook does on a qualifying click.
  c.click_x.store(300);
  c.click_y.store(200);
  c.click_wait_pending.store(false);
  c.click_wait_block.store(false);
  c.click_wait_event.set();
  r.thread.join();
  EXPECT_EQ(r.port.stdout_text(), u"300,200\n");
}

TEST(InputWaits, StopEndsAWaitingScript) {
  for (const char* source :
       {"wait_key_press()\nconsole_println(\"after\")\n", "wait_mouse_left_down()\nconsole_println(\"after\")\n"}) {
    WaitRun r(source);
    ASSERT_TRUE(r.program);
    RunControl& c = r.rt->control;
    while (!c.key_wait_pending.load() && !c.click_wait_pending.load()) std::this_thread::sleep_for(1ms);
    r.rt->stopped_alert = 0;
    c.stop();
    r.thread.join();  // the wait ends; nothing after it runs
    EXPECT_EQ(r.port.stdout_text(), u"");
    EXPECT_FALSE(c.key_wait_pending.load());
    EXPECT_FALSE(c.click_wait_pending.load());
    EXPECT_EQ(r.watcher->unwatched.load(), 1);
  }
}

}  // namespace
}  // namespace quorin
