// How the runtime reaches its user.  The Windows host shows message boxes and
// writes to the main window; the native command line writes to the standard
// streams; tests record what was shown.
#pragma once
#include <atomic>
#include <string>
#include <string_view>

namespace quorin {

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
};

}  // namespace quorin
