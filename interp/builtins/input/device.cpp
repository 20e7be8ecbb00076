#include "builtins/input/device.h"

#include <mutex>

#include "runtime/runtime.h"
#include "support/format.h"

namespace quorin {

namespace {
AbsoluteScale g_scale;  // measured once for the process, read-only afterwards
}

const AbsoluteScale& process_absolute_scale() { return g_scale; }

InputDevice& input_device(Runtime& rt, const char16_t* builtin) {
  return rt.families.get<InputDevice>([&] { return make_system_input_device(rt, builtin); });
}

void fail_windows_only(Runtime& rt, const char16_t* builtin) {
  rt.fail(format16(u"%s() 需要 Windows 桌面, 本机命令行不能执行", std::u16string_view(builtin)));
}

void measure_process_absolute_scale() {
  static std::once_flag once;
  std::call_once(once, [] {
    int w = 0, h = 0;
    if (system_screen_size(w, h)) g_scale = scale_for_screen(w, h);
  });
}

}  // namespace quorin
