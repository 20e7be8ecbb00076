// The native build has no screen: every builtin that needs one ends the run
// with a clear message.
#include "builtins/screen/platform.h"
#include "runtime/runtime.h"
#include "support/format.h"

namespace quorin::screen {

namespace {
[[noreturn]] void windows_only(Runtime& rt, const char16_t* builtin) {
  rt.fail(format16(u"%s() 只能在 Windows 上使用", std::u16string(builtin)));
}
}  // namespace

int32_t metric(Runtime& rt, const char16_t* builtin, Metric) { windows_only(rt, builtin); }
bool grab_screen(Runtime& rt, const char16_t* builtin, int, int, int, int, Shot&) { windows_only(rt, builtin); }
bool client_size(Runtime& rt, const char16_t* builtin, int32_t, int&, int&) { windows_only(rt, builtin); }
bool grab_window(Runtime& rt, const char16_t* builtin, int32_t, const Area&, Shot&) { windows_only(rt, builtin); }
void cursor_position(Runtime& rt, const char16_t* builtin, int&, int&) { windows_only(rt, builtin); }
void move_mouse(Runtime& rt, const char16_t* builtin, int, int) { windows_only(rt, builtin); }

}  // namespace quorin::screen
