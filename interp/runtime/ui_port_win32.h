// The Windows user interface of a run: runtime errors and alerts are message
// boxes captioned "Quorin", owned by the main window when there is one.  The
// host sets the main window once it exists and extends this port with the
// information panel and the run-state announcements.
#pragma once
#include <windows.h>

#include <atomic>
#include <string_view>

#include "runtime/ui_port.h"

namespace quorin {

class Win32UiPort : public UiPort {
 public:
  // The main window (null before it exists or after it is gone).  Written by
  // the GUI thread, read by the script thread.
  void set_main_window(HWND w) { main_window_.store(w); }
  HWND main_window() const { return main_window_.load(); }

  void show_runtime_error(std::u16string_view text) override;
  void alert(std::u16string_view text) override;
  // The panel belongs to the main window's port; without it nothing shows.
  void console_write(std::u16string_view, bool) override {}
  void console_clear() override {}
  void stdout_write(std::u16string_view text, bool line_end) override;

  // The owner for a modal box: the main window if it still exists, restored
  // first when it is minimised; else null.
  HWND owner_for_box();

 private:
  std::atomic<HWND> main_window_{nullptr};
};

// A modal message box with caption "Quorin" and the given MB_ICON* style.
int quorin_message_box(HWND owner, std::u16string_view text, UINT style);

}  // namespace quorin
