#include "host/hotkey_filter.h"

#include <gtest/gtest.h>

#include "interp/runtime/script_run.h"

namespace quorin {
namespace {

using testing::compile_text;
using testing::RunPort;

KeyEventInfo ev(int vk, KeyMsg msg, int mods = 0) {
  KeyEventInfo e;
  e.vk = vk;
  e.msg = msg;
  e.ctrl = mods & kModCtrl;
  e.shift = mods & kModShift;
  e.alt = mods & kModAlt;
  return e;
}

class HotkeyFilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = compile_text("int a = 1\nfunc void cb()\nendfunc\n");
    ASSERT_TRUE(program_);
    rt_ = std::make_unique<Runtime>(*program_, port_);
  }
  HotkeyAction act(const KeyEventInfo& e, int state = kRunning) { return last_ = filter_.on_key(e, keys_, rt_->control, state), last_.action; }

  std::unique_ptr<Program> program_;
  RunPort port_;
  std::unique_ptr<Runtime> rt_;
  HotkeyFilter filter_;
  ControlKeys keys_;
  HotkeyVerdict last_;
};

TEST_F(HotkeyFilterTest, ControlKeysActOnceUntilReleasedWithExactModifiers) {
  EXPECT_EQ(act(ev(0x71, KeyMsg::Down)), HotkeyAction::Toggle);
  EXPECT_FALSE(last_.swallow);
  EXPECT_EQ(act(ev(0x71, KeyMsg::Down)), HotkeyAction::None);  // held: auto-repeat
  EXPECT_EQ(act(ev(0x71, KeyMsg::Up)), HotkeyAction::None);
  EXPECT_EQ(act(ev(0x71, KeyMsg::Down)), HotkeyAction::Toggle);
  act(ev(0x71, KeyMsg::Up));
  // Modifiers must match exactly.
  EXPECT_EQ(act(ev(0x71, KeyMsg::Down, kModCtrl)), HotkeyAction::None);
  EXPECT_EQ(act(ev(0x77, KeyMsg::Down, kModShift)), HotkeyAction::None);
  EXPECT_EQ(act(ev(0x77, KeyMsg::Down)), HotkeyAction::Stop);
  EXPECT_EQ(act(ev(0x77, KeyMsg::Down)), HotkeyAction::None);
  // Released after a modifier went down: it still re-arms.
  EXPECT_EQ(act(ev(0x77, KeyMsg::Up, kModCtrl)), HotkeyAction::None);
  EXPECT_EQ(act(ev(0x77, KeyMsg::Down)), HotkeyAction::Stop);
}

TEST_F(HotkeyFilterTest, AltKeysArriveAsSystemKeysAndThePauseBoxBlocksBoth) {
  keys_ = ControlKeys{kModCtrl | kModAlt, 'P', kModAlt, 'S'};
  EXPECT_EQ(act(ev('P', KeyMsg::SysDown, kModCtrl | kModAlt)), HotkeyAction::Toggle);
  act(ev('P', KeyMsg::SysUp, kModCtrl | kModAlt));
  EXPECT_EQ(act(ev('S', KeyMsg::SysDown, kModAlt)), HotkeyAction::Stop);
  act(ev('S', KeyMsg::SysUp, kModAlt));
  // A system key-down without Alt is not a key-down.
  EXPECT_EQ(act(ev('S', KeyMsg::SysDown, 0)), HotkeyAction::None);
  rt_->control.pause_box_open = true;
  EXPECT_EQ(act(ev('P', KeyMsg::SysDown, kModCtrl | kModAlt)), HotkeyAction::None);
  EXPECT_EQ(act(ev('S', KeyMsg::SysDown, kModAlt)), HotkeyAction::None);
  rt_->control.pause_box_open = false;
  // Still held from the ignored press: nothing until released.
  EXPECT_EQ(act(ev('P', KeyMsg::SysDown, kModCtrl | kModAlt)), HotkeyAction::None);
  act(ev('P', KeyMsg::SysUp, kModCtrl | kModAlt));
  EXPECT_EQ(act(ev('P', KeyMsg::SysDown, kModCtrl | kModAlt)), HotkeyAction::Toggle);
}

TEST_F(HotkeyFilterTest, ScriptHotkeysOnlyOnceKeptAliveAndRunning) {
  const CallRecord* cb = rt_->control.callback_for(**program_->functions.find(std::u16string_view(u"cb")));
  rt_->control.register_hotkey(kModCtrl, 'K', cb);
  // Before the main list ends the key passes through untouched.
  EXPECT_EQ(act(ev('K', KeyMsg::Down, kModCtrl)), HotkeyAction::None);
  EXPECT_FALSE(last_.swallow);
  act(ev('K', KeyMsg::Up, kModCtrl));
  rt_->control.keep_alive = true;
  EXPECT_EQ(act(ev('K', KeyMsg::Down, kModCtrl), kPaused), HotkeyAction::None);
  act(ev('K', KeyMsg::Up, kModCtrl), kPaused);
  EXPECT_EQ(act(ev('K', KeyMsg::Down, kModCtrl)), HotkeyAction::Callback);
  EXPECT_EQ(last_.callback, cb);
  EXPECT_TRUE(last_.swallow);
  // Repeats are swallowed but queue nothing.
  EXPECT_EQ(act(ev('K', KeyMsg::Down, kModCtrl)), HotkeyAction::None);
  EXPECT_TRUE(last_.swallow);
  act(ev('K', KeyMsg::Up, kModCtrl));
  EXPECT_EQ(act(ev('K', KeyMsg::Down, kModCtrl)), HotkeyAction::Callback);
  // Other modifiers, other keys: not a hotkey.
  EXPECT_EQ(act(ev('K', KeyMsg::Down, kModShift)), HotkeyAction::None);
  EXPECT_FALSE(last_.swallow);
}

TEST_F(HotkeyFilterTest, KeyWaitTakesThePlainKeyDownWhileRunning) {
  auto& c = rt_->control;
  c.key_wait_pending = true;
  c.key_wait_block = true;
  act(ev('A', KeyMsg::Down), kPaused);  // paused: the wait goes on
  EXPECT_TRUE(c.key_wait_pending.load());
  act(ev('A', KeyMsg::SysDown, kModAlt));  // system keys do not count
  EXPECT_TRUE(c.key_wait_pending.load());
  act(ev('B', KeyMsg::Down));
  EXPECT_TRUE(last_.swallow);
  EXPECT_FALSE(c.key_wait_pending.load());
  EXPECT_FALSE(c.key_wait_block.load());
  EXPECT_EQ(c.key_wait_key.load(), 'B');
  EXPECT_TRUE(c.key_wait_event.wait_for(std::chrono::milliseconds(0)));
  // Without blocking the key goes on, and may still be the start key.
  c.key_wait_pending = true;
  EXPECT_EQ(act(ev(0x71, KeyMsg::Down)), HotkeyAction::Toggle);
  EXPECT_FALSE(last_.swallow);
  EXPECT_EQ(c.key_wait_key.load(), 0x71);
}

}  // namespace
}  // namespace quorin
