// The operating system's input as the input builtins see it.  The key taps,
// clicks, drags, wheel turns and typed texts are composed here in portable
// code from a handful of primitives (one key event, one mouse event, one
// Unicode key, one posted message, a sleep), so that the exact event
// sequences and their delays can be checked without a desktop.  The Windows
// device forwards each primitive to its system call; tests install a device
// that records them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "runtime/family_state.h"

namespace quorin {

class Runtime;

// A builtin's name as a template argument: builtins that differ only in a
// key or a message are one template each, and still name themselves in
// their errors.
template <size_t N>
struct BuiltinName {
  char16_t s[N];
  constexpr BuiltinName(const char16_t (&a)[N]) {
    for (size_t i = 0; i < N; ++i) s[i] = a[i];
  }
};

// Mouse event flags (always sent with the absolute flag).
namespace mouse_flag {
inline constexpr uint32_t kMove = 0x0001, kLeftDown = 0x0002, kLeftUp = 0x0004, kRightDown = 0x0008, kRightUp = 0x0010,
                          kMiddleDown = 0x0020, kMiddleUp = 0x0040, kWheel = 0x0800, kAbsolute = 0x8000;
}
inline constexpr int kWheelNotch = 120;

// Virtual keys used by name.
namespace vk {
inline constexpr int kBack = 8, kTab = 9, kEnter = 13, kShift = 16, kCtrl = 17, kAlt = 18, kCapital = 20, kEsc = 27,
                     kSpace = 32, kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36, kLeft = 37, kUp = 38,
                     kRight = 39, kDown = 40, kDelete = 46, kLeftWin = 91, kF5 = 116;
}

// Absolute-position scale factors: script pixels to the 0..65535 range.
struct AbsoluteScale {
  double x = 1.0, y = 1.0;
};
// 65535 / (width - 1) and 65535 / (height - 1); a screen of one pixel or
// none keeps the factor 1.
AbsoluteScale scale_for_screen(int width, int height);
// trunc(v × factor), limited to the int range.
int32_t to_absolute(int32_t v, double factor);

// A screen coordinate of the low-level mouse hook (physical pixels) in the
// program's logical pixels: v / factor (physical divided by logical),
// rounded up when the fraction exceeds 0.49.  Factor 1 changes nothing.
int32_t physical_to_logical(int32_t v, double factor);

// The process's factors, measured once (before the first script is
// compiled: the input family's table measures them when it is built).
const AbsoluteScale& process_absolute_scale();
void measure_process_absolute_scale();
// GetSystemMetrics(SM_CXSCREEN / SM_CYSCREEN); false natively.
bool system_screen_size(int& width, int& height);

class InputDevice : public FamilyState {
 public:
  // keybd_event(vk, 0, up ? KEYEVENTF_KEYUP : 0, 0)
  virtual void key_event(int vk, bool up) = 0;
  // mouse_event(flags, x, y, data, 0)
  virtual void mouse_event(uint32_t flags, int32_t x, int32_t y, int32_t data) = 0;
  // One SendInput keyboard input: wVk 0, wScan unit, KEYEVENTF_UNICODE
  // (with KEYEVENTF_KEYUP when up).  Returns the number of inserted events.
  virtual uint32_t send_unicode(char16_t unit, bool up) = 0;
  // One SendInput mouse input.  Returns the number of inserted events.
  virtual uint32_t send_mouse(uint32_t flags, int32_t dx, int32_t dy) = 0;
  // VkKeyScanW as an unsigned 16-bit value (0xFFFF: no key).
  virtual uint32_t key_scan(char16_t ch) = 0;
  // The toggle bit of GetKeyState(VK_CAPITAL).
  virtual bool caps_lock_on() = 0;
  virtual bool cursor_position(int32_t& x, int32_t& y) = 0;
  // GetCursorInfo's cursor handle as an int (0 on failure).
  virtual int32_t cursor_handle() = 0;
  virtual int32_t block_input(int32_t flag) = 0;
  // PostMessageW to a window handle held in a script int.
  virtual void post(int32_t hwnd, uint32_t msg, uint32_t wparam, int32_t lparam) = 0;
  // A delay of the sequence; ms > 0.
  virtual void sleep(int32_t ms) = 0;
  // True once the run is stopped or the thread must park: long repetitions
  // end early (each tap, click and drag is finished first).
  virtual bool halted() = 0;
  virtual AbsoluteScale scale() = 0;
};

// The run's device: the system's unless a test installed its own.  Natively
// there is no system device: the call is a runtime error naming `builtin`.
InputDevice& input_device(Runtime& rt, const char16_t* builtin);
// Made on the first use in a run (input_win32.cpp / input_posix.cpp).
std::unique_ptr<InputDevice> make_system_input_device(Runtime& rt, const char16_t* builtin);
// The runtime error of a builtin that needs the Windows desktop.
[[noreturn]] void fail_windows_only(Runtime& rt, const char16_t* builtin);

}  // namespace quorin
