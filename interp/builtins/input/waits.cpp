#include "builtins/input/waits.h"

#include <chrono>

#include "runtime/runtime.h"

namespace quorin {

WaitWatcher& wait_watcher(Runtime& rt, const char16_t* builtin) {
  return rt.families.get<WaitWatcher>([&] { return make_system_wait_watcher(rt, builtin); });
}

namespace input {

namespace {

// Waits for the event; a stop (or the process's exit handler) ends the wait
// and the script with it.  `disarm` clears the wait's flags first, so that a
// late key or click is not taken by a wait that no longer exists.
template <class Disarm>
void wait_signalled(Runtime& rt, WaitWatcher& w, AutoResetEvent& event, Disarm disarm) {
  for (;;) {
    if (event.wait_for(std::chrono::milliseconds(25))) break;
    const int st = rt.state.load();
    const bool park = rt.control.park_requested();
    if (park || st == kStopped || st == kEnded) {
      disarm();
      w.unwatch();
      if (park) rt.control.park_here();
      throw ScriptHalt{};
    }
  }
  w.unwatch();
}

}  // namespace

int32_t wait_key(Runtime& rt, WaitWatcher& w, bool block) {
  RunControl& c = rt.control;
  c.key_wait_event.wait_for(std::chrono::milliseconds(0));  // a stale signal
  c.key_wait_key.store(0);
  c.key_wait_block.store(block);
  c.key_wait_pending.store(true);
  w.watch_keys(rt);
  wait_signalled(rt, w, c.key_wait_event, [&] {
    c.key_wait_pending.store(false);
    c.key_wait_block.store(false);
  });
  return c.key_wait_key.load();
}

void wait_click(Runtime& rt, WaitWatcher& w, bool block, int32_t& x, int32_t& y) {
  RunControl& c = rt.control;
  c.click_wait_event.wait_for(std::chrono::milliseconds(0));
  c.click_wait_block.store(block);
  c.click_wait_pending.store(true);
  w.watch_clicks(rt);
  wait_signalled(rt, w, c.click_wait_event, [&] {
    c.click_wait_pending.store(false);
    c.click_wait_block.store(false);
  });
  c.click_wait_pending.store(false);
  x = c.click_x.load();
  y = c.click_y.load();
}

}  // namespace input
}  // namespace quorin
