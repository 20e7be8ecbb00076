// The user interface of a run inside the main window: the information panel,
// the status line and button, the pause box, the run-control announcements
// and the effects of stopping and ending.  Calls from the script thread reach
// the window by sent messages, so every window operation runs on the GUI
// thread.
#pragma once
#include "runtime/ui_port_win32.h"

namespace quorin {

class HostPort : public Win32UiPort {
 public:
  void console_write(std::u16string_view piece, bool line_end) override;
  void console_clear() override;
  void run_state_changed(int state) override;
  void announce(std::u16string_view text, int icon) override;
  bool main_window_visible() override;
  void request_start(std::atomic<int>& state) override;
  void enable_start_button() override;
  void disable_start_button() override;
  void suspend_workers() override;
  void resume_workers() override;
  void show_pause_box(std::atomic<bool>& open) override;
  void remove_hooks() override;
  void end_process(int code) override;
  int32_t main_window_handle() override;
};

}  // namespace quorin
