// The decisions of the global keyboard hook: the start/pause and stop keys
// with exact modifier matching, the script's own hotkeys once the main list
// has ended, and the pending key wait.  Each key acts once until it is
// released.  Kept apart from the hook itself so that it can be tested
// without a keyboard.
#pragma once
#include <vector>

#include "runtime/run_control.h"

namespace quorin {

enum class KeyMsg { Down, Up, SysDown, SysUp };

struct KeyEventInfo {
  int vk = 0;
  KeyMsg msg = KeyMsg::Down;
  bool ctrl = false, shift = false, alt = false;  // modifier states at the event
};

// The start/pause and stop keys (modifier masks as HotkeyMods).
struct ControlKeys {
  int pause_mods = 0, pause_key = 0x71;
  int stop_mods = 0, stop_key = 0x77;
};

enum class HotkeyAction { None, Toggle, Stop, Callback };

struct HotkeyVerdict {
  HotkeyAction action = HotkeyAction::None;
  const CallRecord* callback = nullptr;  // HotkeyAction::Callback
  bool swallow = false;                  // do not pass the event on
};

int modifier_mask(const KeyEventInfo& e);

class HotkeyFilter {
 public:
  // `rc` supplies the pause-box flag, the keep-alive flag, the registered
  // hotkeys and the key wait (completed here); `state` is the run state.
  HotkeyVerdict on_key(const KeyEventInfo& e, const ControlKeys& keys, RunControl& rc, int state);

 private:
  bool pause_held_ = false;
  bool stop_held_ = false;
  std::vector<int> held_;  // script hotkeys acted on, until released
};

}  // namespace quorin
