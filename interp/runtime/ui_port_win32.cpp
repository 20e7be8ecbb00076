#include "runtime/ui_port_win32.h"

#include <string>

#include "runtime/stdio_ui_port.h"

namespace quorin {

int quorin_message_box(HWND owner, std::u16string_view text, UINT style) {
  const std::wstring wide(text.begin(), text.end());
  return MessageBoxW(owner, wide.c_str(), L"Quorin", MB_OK | style);
}

HWND Win32UiPort::owner_for_box() {
  HWND w = main_window();
  if (!w || !IsWindow(w)) return nullptr;
  if (IsIconic(w)) {
    // A window of another thread is restored without waiting for that
    // thread, which may itself be waiting for the script.
    if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId())
      ShowWindow(w, SW_RESTORE);
    else
      ShowWindowAsync(w, SW_RESTORE);
  }
  return w;
}

void Win32UiPort::show_runtime_error(std::u16string_view text) {
  quorin_message_box(owner_for_box(), text, MB_ICONERROR);
}

void Win32UiPort::alert(std::u16string_view text) {
  quorin_message_box(owner_for_box(), text, MB_ICONWARNING);
}

void Win32UiPort::stdout_write(std::u16string_view text, bool line_end) {
  write_utf8_line(stdout, text, line_end);
}

}  // namespace quorin
