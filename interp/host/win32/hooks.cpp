// The global low-level hooks, both on the GUI thread: the keyboard hook for
// the start/pause and stop keys, the script's hotkeys and key waits, and the
// mouse hook that exists only while a script waits for a left click.
#include <cmath>

#include "host/win32/host_port.h"
#include "host/win32/host_state.h"
#include "runtime/runtime.h"

namespace quorin {

namespace {

bool key_down_now(int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

LRESULT CALLBACK keyboard_proc(int code, WPARAM wparam, LPARAM lparam) {
  HostState& h = host();
  if (code == HC_ACTION && h.runtime) {
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lparam);
    KeyEventInfo e;
    e.vk = static_cast<int>(k->vkCode);
    switch (wparam) {
      case WM_KEYDOWN: e.msg = KeyMsg::Down; break;
      case WM_KEYUP: e.msg = KeyMsg::Up; break;
      case WM_SYSKEYDOWN: e.msg = KeyMsg::SysDown; break;
      default: e.msg = KeyMsg::SysUp; break;
    }
    e.ctrl = key_down_now(VK_CONTROL);
    e.shift = key_down_now(VK_SHIFT);
    e.alt = key_down_now(VK_MENU) || (k->flags & LLKHF_ALTDOWN);
    Runtime& rt = *h.runtime;
    HotkeyVerdict v = h.filter.on_key(e, h.keys, rt.control, rt.state.load());
    // The hook returns at once; the transitions (and their boxes) run from
    // the window's queue.
    switch (v.action) {
      case HotkeyAction::Toggle: PostMessageW(h.main_window, kMsgHotkeyToggle, 0, 0); break;
      case HotkeyAction::Stop: PostMessageW(h.main_window, kMsgHotkeyStop, 0, 0); break;
      case HotkeyAction::Callback: rt.control.queue_callback(v.callback); break;
      case HotkeyAction::None: break;
    }
    if (v.swallow) return 1;
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

// Physical to logical, rounding a fraction above 0.49 up.
int to_logical(int v, double factor) {
  double q = v / factor;
  double t = std::trunc(q);
  return static_cast<int>(q - t > 0.49 ? t + 1 : t);
}

LRESULT CALLBACK mouse_proc(int code, WPARAM wparam, LPARAM lparam) {
  HostState& h = host();
  if (code == HC_ACTION && wparam == WM_LBUTTONDOWN && h.runtime) {
    Runtime& rt = *h.runtime;
    if (rt.state.load() == kRunning && rt.control.click_wait_pending.load()) {
      const auto* m = reinterpret_cast<const MSLLHOOKSTRUCT*>(lparam);
      if (h.mouse_hook) {
        UnhookWindowsHookEx(h.mouse_hook);
        h.mouse_hook = nullptr;
      }
      int x = m->pt.x, y = m->pt.y;
      if (h.display_scaled) {
        x = to_logical(x, h.scale_x);
        y = to_logical(y, h.scale_y);
      }
      rt.control.click_x.store(x);
      rt.control.click_y.store(y);
      rt.control.click_wait_pending.store(false);
      bool block = rt.control.click_wait_block.exchange(false);
      rt.control.click_wait_event.set();
      if (block) return 1;
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

bool install_keyboard_hook() {
  HostState& h = host();
  h.keyboard_hook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboard_proc, h.instance, 0);
  return h.keyboard_hook != nullptr;
}

bool install_mouse_hook() {
  HostState& h = host();
  if (h.mouse_hook) return true;
  h.mouse_hook = SetWindowsHookExW(WH_MOUSE_LL, mouse_proc, h.instance, 0);
  return h.mouse_hook != nullptr;
}

void remove_hooks_now() {
  HostState& h = host();
  if (h.keyboard_hook) UnhookWindowsHookEx(h.keyboard_hook);
  if (h.mouse_hook) UnhookWindowsHookEx(h.mouse_hook);
  h.keyboard_hook = h.mouse_hook = nullptr;
}

}  // namespace quorin
