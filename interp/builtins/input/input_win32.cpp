// The Windows input device and the hooks that complete the waits.
//
// Inside Quorin.exe the main window owns the hooks: its keyboard hook
// completes key waits, and the mouse hook is installed on its thread by the
// synchronous request WM_USER + 3.  The command-line interpreter has no
// window: a wait there starts a helper thread that installs the low-level
// hook itself, pumps its messages and ends with the wait.
#include <windows.h>

#include <atomic>
#include <cmath>
#include <thread>

#include "builtins/input/device.h"
#include "builtins/input/waits.h"
#include "host/hotkey_filter.h"
#include "runtime/runtime.h"
#include "support/script_handle.h"

namespace quorin {

namespace {

HWND hwnd_of(int32_t h) { return int_to_handle<HWND__>(h); }

class SystemInputDevice final : public InputDevice {
 public:
  explicit SystemInputDevice(Runtime& rt) : rt_(rt) {}

  void key_event(int vk, bool up) override { keybd_event(static_cast<BYTE>(vk), 0, up ? KEYEVENTF_KEYUP : 0, 0); }
  void mouse_event(uint32_t flags, int32_t x, int32_t y, int32_t data) override {
    ::mouse_event(flags, static_cast<DWORD>(x), static_cast<DWORD>(y), static_cast<DWORD>(data), 0);
  }
  uint32_t send_unicode(char16_t unit, bool up) override {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = 0;
    in.ki.wScan = unit;
    in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return SendInput(1, &in, sizeof in);
  }
  uint32_t send_mouse(uint32_t flags, int32_t dx, int32_t dy) override {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = flags;
    return SendInput(1, &in, sizeof in);
  }
  uint32_t key_scan(char16_t ch) override { return static_cast<uint16_t>(VkKeyScanW(static_cast<WCHAR>(ch))); }
  bool caps_lock_on() override { return (GetKeyState(VK_CAPITAL) & 1) != 0; }
  bool cursor_position(int32_t& x, int32_t& y) override {
    POINT p{};
    if (!GetCursorPos(&p)) return false;
    x = p.x;
    y = p.y;
    return true;
  }
  int32_t cursor_handle() override {
    CURSORINFO ci{};
    ci.cbSize = sizeof ci;  // 20 bytes
    if (!GetCursorInfo(&ci)) return 0;
    return handle_to_int(ci.hCursor);
  }
  int32_t block_input(int32_t flag) override { return BlockInput(flag != 0) ? 1 : 0; }
  void post(int32_t hwnd, uint32_t msg, uint32_t wparam, int32_t lparam) override {
    PostMessageW(hwnd_of(hwnd), msg, static_cast<WPARAM>(wparam), static_cast<LPARAM>(lparam));
  }
  void sleep(int32_t ms) override { rt_.control.sleep(ms); }
  bool halted() override {
    if (rt_.exiting) return false;
    int st = rt_.state.load();
    return rt_.control.park_requested() || st == kStopped || st == kEnded;
  }
  AbsoluteScale scale() override { return process_absolute_scale(); }

 private:
  Runtime& rt_;
};

// ---- the hooks of the command-line interpreter ----

// The one wait of the process that a helper hook serves (the hook
// procedures take no context).
std::atomic<Runtime*> g_hook_run{nullptr};
HotkeyFilter g_key_filter;              // used only by the helper thread's hook
double g_phys_x = 1.0, g_phys_y = 1.0;  // physical / logical

LRESULT CALLBACK helper_keyboard_proc(int code, WPARAM wparam, LPARAM lparam) {
  Runtime* rt = g_hook_run.load();
  if (code == HC_ACTION && rt) {
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lparam);
    KeyEventInfo e;
    e.vk = static_cast<int>(k->vkCode);
    e.msg = wparam == WM_KEYDOWN      ? KeyMsg::Down
            : wparam == WM_KEYUP      ? KeyMsg::Up
            : wparam == WM_SYSKEYDOWN ? KeyMsg::SysDown
                                      : KeyMsg::SysUp;
    // No start/pause or stop keys on the command line: only the wait.
    ControlKeys none{0, 0, 0, 0};
    HotkeyVerdict v = g_key_filter.on_key(e, none, rt->control, rt->state.load());
    if (v.swallow) return 1;
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK helper_mouse_proc(int code, WPARAM wparam, LPARAM lparam) {
  Runtime* rt = g_hook_run.load();
  if (code == HC_ACTION && wparam == WM_LBUTTONDOWN && rt && rt->state.load() == kRunning &&
      rt->control.click_wait_pending.load()) {
    const auto* m = reinterpret_cast<const MSLLHOOKSTRUCT*>(lparam);
    rt->control.click_x.store(physical_to_logical(m->pt.x, g_phys_x));
    rt->control.click_y.store(physical_to_logical(m->pt.y, g_phys_y));
    rt->control.click_wait_pending.store(false);
    bool block = rt->control.click_wait_block.exchange(false);
    rt->control.click_wait_event.set();
    if (block) return 1;
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void measure_display_scale() {
  HDC dc = GetDC(nullptr);
  if (!dc) return;
  int lw = GetDeviceCaps(dc, HORZRES), lh = GetDeviceCaps(dc, VERTRES);
  int pw = GetDeviceCaps(dc, DESKTOPHORZRES), ph = GetDeviceCaps(dc, DESKTOPVERTRES);
  ReleaseDC(nullptr, dc);
  g_phys_x = lw > 0 && pw != lw ? static_cast<double>(pw) / lw : 1.0;
  g_phys_y = lh > 0 && ph != lh ? static_cast<double>(ph) / lh : 1.0;
}

class SystemWaitWatcher final : public WaitWatcher {
 public:
  ~SystemWaitWatcher() override { unwatch(); }

  void watch_keys(Runtime& rt) override {
    // Quorin.exe: the host's permanent keyboard hook completes the wait.
    if (rt.ui.main_window_handle() != 0) return;
    start_helper(rt, WH_KEYBOARD_LL,
                 u"wait_key_press() 调用失败！\n\n创建全局键盘钩子失败, 可能是你没有授权当前软件相应的权限。");
  }

  void watch_clicks(Runtime& rt) override {
    HWND main = hwnd_of(rt.ui.main_window_handle());
    if (main) {
      // The main window installs the hook on its own thread, or reports
      // that it cannot and ends the process.
      DWORD_PTR r = 0;
      SendMessageTimeoutW(main, WM_USER + 3, 0, 0, SMTO_NORMAL, INFINITE, &r);
      return;
    }
    start_helper(rt, WH_MOUSE_LL,
                 u"wait_mouse_left_down() 调用失败！\n\n创建全局鼠标钩子失败, 可能是你没有授权当前软件相应的权限。");
  }

  void unwatch() override {
    if (!helper_.joinable()) return;
    PostThreadMessageW(helper_id_, WM_QUIT, 0, 0);
    helper_.join();
    g_hook_run.store(nullptr);
  }

 private:
  void start_helper(Runtime& rt, int kind, const char16_t* failure) {
    unwatch();
    if (kind == WH_MOUSE_LL) measure_display_scale();
    g_key_filter = HotkeyFilter{};
    g_hook_run.store(&rt);
    std::atomic<int> ready{0};  // 1 installed, -1 failed
    std::atomic<DWORD> id{0};
    helper_ = std::thread([kind, &ready, &id] {
      MSG msg;
      PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // the thread's queue
      id.store(GetCurrentThreadId());
      HOOKPROC proc = kind == WH_MOUSE_LL ? helper_mouse_proc : helper_keyboard_proc;
      HHOOK hook = SetWindowsHookExW(kind, proc, GetModuleHandleW(nullptr), 0);
      ready.store(hook ? 1 : -1);
      if (!hook) return;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      UnhookWindowsHookEx(hook);
    });
    while (ready.load() == 0) Sleep(1);
    helper_id_ = id.load();
    if (ready.load() < 0) {
      helper_.join();
      g_hook_run.store(nullptr);
      rt.fail_text(failure);
    }
  }

  std::thread helper_;
  DWORD helper_id_ = 0;
};

}  // namespace

bool system_screen_size(int& width, int& height) {
  width = GetSystemMetrics(SM_CXSCREEN);
  height = GetSystemMetrics(SM_CYSCREEN);
  return width > 0 && height > 0;
}

std::unique_ptr<InputDevice> make_system_input_device(Runtime& rt, const char16_t*) {
  return std::make_unique<SystemInputDevice>(rt);
}

std::unique_ptr<WaitWatcher> make_system_wait_watcher(Runtime&, const char16_t*) {
  return std::make_unique<SystemWaitWatcher>();
}

}  // namespace quorin
