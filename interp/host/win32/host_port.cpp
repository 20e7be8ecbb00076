#include "host/win32/host_port.h"

#include <process.h>

#include "host/win32/host_state.h"
#include "host/win32/search_workers.h"

namespace quorin {

namespace {

// Sends a request to the main window; nothing happens once it is gone.
LRESULT send_to_window(UINT msg, WPARAM w, LPARAM l) {
  HWND win = host().main_window;
  if (!win || !IsWindow(win)) return 0;
  DWORD_PTR result = 0;
  SendMessageTimeoutW(win, msg, w, l, SMTO_NORMAL, INFINITE, &result);
  return static_cast<LRESULT>(result);
}

struct PauseBox {
  std::atomic<bool>* open;
};

unsigned __stdcall pause_box_thread(void* arg) {
  PauseBox* box = static_cast<PauseBox*>(arg);
  HWND owner = host().main_window;
  MessageBoxW(owner && IsWindow(owner) ? owner : nullptr, L"已暂停！", L"Quorin", MB_OK | MB_ICONINFORMATION);
  box->open->store(false);
  delete box;
  return 0;
}

}  // namespace

void HostPort::console_write(std::u16string_view piece, bool line_end) {
  PanelRequest r{piece, line_end};
  send_to_window(kMsgPanelAppend, 0, reinterpret_cast<LPARAM>(&r));
}

void HostPort::console_clear() { send_to_window(kMsgPanelClear, 0, 0); }

void HostPort::run_state_changed(int state) { send_to_window(kMsgStatus, static_cast<WPARAM>(state), 0); }

void HostPort::announce(std::u16string_view text, int icon) {
  HWND owner = owner_for_box();
  quorin_message_box(owner, text, static_cast<UINT>(icon));
}

bool HostPort::main_window_visible() {
  HWND w = host().main_window;
  return w && IsWindow(w) && IsWindowVisible(w);
}

void HostPort::request_start(std::atomic<int>&) {
  // The same path as pressing the button.
  send_to_window(WM_COMMAND, MAKEWPARAM(kIdStartButton, BN_CLICKED), reinterpret_cast<LPARAM>(host().start_button));
}

void HostPort::enable_start_button() {
  if (host().start_button) EnableWindow(host().start_button, TRUE);
}

void HostPort::disable_start_button() {
  if (host().start_button) EnableWindow(host().start_button, FALSE);
}

void HostPort::suspend_workers() { search_workers().pause(); }
void HostPort::resume_workers() { search_workers().resume(); }

void HostPort::show_pause_box(std::atomic<bool>& open) {
  open.store(true);
  auto* box = new PauseBox{&open};
  uintptr_t t = _beginthreadex(nullptr, 0, pause_box_thread, box, 0, nullptr);
  if (t)
    CloseHandle(reinterpret_cast<HANDLE>(t));
  else {
    open.store(false);
    delete box;
  }
}

void HostPort::remove_hooks() {
  if (GetCurrentThreadId() == GetWindowThreadProcessId(host().main_window, nullptr))
    remove_hooks_now();
  else
    send_to_window(kMsgRemoveHooks, 0, 0);
}

void HostPort::end_process(int code) { quorin::end_process(code); }

int32_t HostPort::main_window_handle() {
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(host().main_window.load()));
}

}  // namespace quorin
