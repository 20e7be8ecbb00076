// How the runtime reaches its user.  The Windows host shows message boxes and
// writes to the main window; the native command line writes to the standard
// streams; tests record what was shown.
#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorin {

// Icons of the run-control announcements (the message-box icon values).
enum AnnounceIcon : int { kAnnounceWarning = 0x30, kAnnounceInfo = 0x40 };

class UiPort {
 public:
  virtual ~UiPort() = default;
  // A runtime error (already composed, including the file suffix).
  virtual void show_runtime_error(std::u16string_view text) = 0;
  // A warning box with caption "Quorin" (`alert`).
  virtual void alert(std::u16string_view text) = 0;
  // The information panel of the main window (`print`, `println`).
  virtual void console_write(std::u16string_view piece, bool line_end) = 0;
  virtual void console_clear() = 0;
  // The process's standard output, UTF-8 (`console_print`, `console_println`).
  virtual void stdout_write(std::u16string_view text, bool line_end) = 0;
  // Run-control announcements and status (no-ops without a window).
  virtual void run_state_changed(int /*state*/) {}
  virtual void announce(std::u16string_view /*text*/, int /*icon*/) {}
  virtual bool main_window_visible() { return true; }
  // The script asked for automatic start: the host starts the run as if the
  // start button were pressed.  Without a window the run simply starts.
  virtual void request_start(std::atomic<int>& state) { state.store(2); }
  // Before waiting at a statement boundary: the start/pause button is enabled.
  virtual void enable_start_button() {}
  // Run-control effects of the Windows host (no-ops without a window).
  virtual void disable_start_button() {}
  virtual void suspend_workers() {}
  virtual void resume_workers() {}
  // Shows "已暂停！" without blocking the caller; `open` is set while the box
  // is open.
  virtual void show_pause_box(std::atomic<bool>& /*open*/) {}
  // Removes the keyboard and mouse hooks: the hotkeys stop working.
  virtual void remove_hooks() {}
  // Ends the process (stop or end of run with the main window hidden).
  virtual void end_process(int /*code*/) {}
  // The main window's handle as a script int (0 without a window).
  virtual int32_t main_window_handle() { return 0; }
};

}  // namespace quorin
