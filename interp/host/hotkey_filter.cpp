#include "host/hotkey_filter.h"

#include <algorithm>

namespace quorin {

int modifier_mask(const KeyEventInfo& e) {
  return (e.alt ? kModAlt : 0) | (e.ctrl ? kModCtrl : 0) | (e.shift ? kModShift : 0);
}

HotkeyVerdict HotkeyFilter::on_key(const KeyEventInfo& e, const ControlKeys& keys, RunControl& rc, int state) {
  HotkeyVerdict v;
  const bool down = e.msg == KeyMsg::Down || (e.msg == KeyMsg::SysDown && e.alt);
  const bool up = e.msg == KeyMsg::Up || e.msg == KeyMsg::SysUp;
  const int mods = modifier_mask(e);

  // A pending key wait takes the next plain key-down while running.
  if (state == 2 && e.msg == KeyMsg::Down && rc.key_wait_pending.load()) {
    rc.key_wait_key.store(e.vk);
    rc.key_wait_pending.store(false);
    bool block = rc.key_wait_block.exchange(false);
    rc.key_wait_event.set();
    if (block) {
      v.swallow = true;
      return v;
    }
  }

  // A control key re-arms when it is released, whatever the modifiers are
  // by then: otherwise letting go of a modifier first would leave the key
  // dead until it was pressed and released once more.
  if (up && e.vk == keys.pause_key) pause_held_ = false;
  if (up && e.vk == keys.stop_key) stop_held_ = false;

  if (keys.pause_key != 0 && e.vk == keys.pause_key && mods == keys.pause_mods) {
    if (down && !pause_held_) {
      pause_held_ = true;
      if (!rc.pause_box_open.load()) v.action = HotkeyAction::Toggle;
    }
    return v;
  }
  if (keys.stop_key != 0 && e.vk == keys.stop_key && mods == keys.stop_mods) {
    if (down && !stop_held_) {
      stop_held_ = true;
      if (!rc.pause_box_open.load()) v.action = HotkeyAction::Stop;
    }
    return v;
  }

  if (up) {
    std::erase(held_, e.vk);
    return v;
  }
  if (down && state == 2 && rc.keep_alive.load()) {
    if (const CallRecord* cb = rc.find_hotkey(mods, e.vk)) {
      v.swallow = true;
      if (std::find(held_.begin(), held_.end(), e.vk) == held_.end()) {
        held_.push_back(e.vk);
        v.action = HotkeyAction::Callback;
        v.callback = cb;
      }
    }
  }
  return v;
}

}  // namespace quorin
