// Process-wide state of the Windows host, created by start-up and kept until
// the process exits.
#pragma once
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "host/hotkey_filter.h"
#include "host/window_geometry.h"
#include "runtime/win32/window_requests.h"

namespace quorin {

class Runtime;
class Program;
class HostPort;

// Internal requests handled on the GUI thread.
constexpr UINT kMsgPanelAppend = WM_APP + 1;  // lParam: PanelRequest*
constexpr UINT kMsgPanelClear = WM_APP + 2;
constexpr UINT kMsgStatus = WM_APP + 3;       // wParam: run state
constexpr UINT kMsgRemoveHooks = WM_APP + 4;
constexpr UINT kMsgHotkeyToggle = WM_APP + 5;
constexpr UINT kMsgHotkeyStop = WM_APP + 6;

struct PanelRequest {
  std::u16string_view text;
  bool line_end = false;
};

struct HostState {
  HINSTANCE instance = nullptr;
  std::wstring program_folder;
  std::wstring dialog_folder;  // last folder of the script file dialog
  std::wstring script_path;

  // Read by the script thread and the hooks, cleared by the GUI thread.
  std::atomic<HWND> main_window{nullptr};
  HWND hotkey_line = nullptr;
  HWND start_button = nullptr;
  HWND panel_label = nullptr;
  HWND panel = nullptr;
  HFONT font = nullptr;
  HBRUSH panel_brush = nullptr;

  // Geometry (see host/window_geometry.h).
  MinimumSizes minimum;
  int reference_w = 0, reference_h = 0;  // client size that the layout grows from
  bool sized_once = false;
  bool script_sized = false;  // the script set an initial size
  POINT min_track{0, 0};

  // Display scaling: physical divided by logical, per axis.
  bool display_scaled = false;
  double scale_x = 1.0, scale_y = 1.0;

  // Hooks and hotkeys (GUI thread).
  HHOOK keyboard_hook = nullptr;
  HHOOK mouse_hook = nullptr;
  ControlKeys keys;
  HotkeyFilter filter;

  // The run.
  Program* program = nullptr;
  Runtime* runtime = nullptr;
  HostPort* port = nullptr;
  HANDLE script_thread = nullptr;
  DWORD script_thread_id = 0;
};

HostState& host();

// Main window (main_window.cpp).
bool register_main_class(HINSTANCE instance);
HWND create_main_window(HINSTANCE instance);
void refresh_status(int state);
void apply_interface_font();
HFONT interface_font();

// Hooks (hooks.cpp).
bool install_keyboard_hook();
void remove_hooks_now();
bool install_mouse_hook();

// Opens an address in the default browser (web_page.cpp).
void open_web_page(const std::wstring& address);

// Ends the process: flushes the standard streams and runs the C runtime's
// exit handlers.
[[noreturn]] void end_process(int code);

}  // namespace quorin
