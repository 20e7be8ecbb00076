// `wait_key_press` and `wait_mouse_left_down`: the script thread arms the
// wait in the run control and sleeps on its event; the hook that sees the
// key or click (the host's, or one the device starts) completes it.  Only
// a key or click that arrives while the run is running completes a wait; a
// pause keeps it going; a stop ends the script from inside the wait.
#pragma once
#include <cstdint>

#include "builtins/input/device.h"

namespace quorin {

// Asks for the hook that completes a wait, and tells it when the wait ends.
class WaitWatcher : public FamilyState {
 public:
  virtual void watch_keys(Runtime& rt) = 0;
  virtual void watch_clicks(Runtime& rt) = 0;
  virtual void unwatch() = 0;
};

WaitWatcher& wait_watcher(Runtime& rt, const char16_t* builtin);
std::unique_ptr<WaitWatcher> make_system_wait_watcher(Runtime& rt, const char16_t* builtin);

namespace input {
// The virtual key of the next key-down.
int32_t wait_key(Runtime& rt, WaitWatcher& w, bool block);
// The logical point of the next left click.
void wait_click(Runtime& rt, WaitWatcher& w, bool block, int32_t& x, int32_t& y);
}  // namespace input

}  // namespace quorin
