// Without a Windows desktop there is no input to synthesise and no hook to
// wait on: the input builtins raise a runtime error naming themselves.
#include "builtins/input/device.h"
#include "builtins/input/waits.h"

namespace quorin {

bool system_screen_size(int&, int&) { return false; }

std::unique_ptr<InputDevice> make_system_input_device(Runtime& rt, const char16_t* builtin) {
  fail_windows_only(rt, builtin);
}

std::unique_ptr<WaitWatcher> make_system_wait_watcher(Runtime& rt, const char16_t* builtin) {
  fail_windows_only(rt, builtin);
}

}  // namespace quorin
