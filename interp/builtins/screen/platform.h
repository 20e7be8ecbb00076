// What the screen builtins need from the system: metrics, captures of the
// screen and of a window's client area, and the mouse for hover reads.  On
// Windows these are GDI and user32 calls; the native build has no screen and
// each raises "<builtin>() 只能在 Windows 上使用".
#pragma once
#include <cstdint>
#include <vector>

#include "builtins/screen/pixel_search.h"

namespace quorin {
class Runtime;
}

namespace quorin::screen {

enum class Metric {
  Dpi,
  Width,
  Height,
  DesktopWidth,
  DesktopHeight,
  PhysicalWidth,
  PhysicalHeight,
  LogicalWidth,
  LogicalHeight,
};

// A capture: 24-bit bottom-up rows and their view.
struct Shot {
  std::vector<uint8_t> bytes;
  PixelView view;
  bool make(int w, int h);  // zeroed rows for a w × h picture
};

int32_t metric(Runtime& rt, const char16_t* builtin, Metric m);

// The screen area (x, y, w, h), w and h positive; false when it cannot be
// captured.
bool grab_screen(Runtime& rt, const char16_t* builtin, int x, int y, int w, int h, Shot& out);

// The client size of a window; false when the handle is not a window.
bool client_size(Runtime& rt, const char16_t* builtin, int32_t hwnd, int& w, int& h);

// The client rectangle (x, y, w, h) of a window, already clipped to the
// client area; false when printing the window or reading its bits fails.
bool grab_window(Runtime& rt, const char16_t* builtin, int32_t hwnd, const Area& area, Shot& out);

// Moves the mouse (absolute, screen pixels) and returns the previous
// position through the outputs when asked.
void cursor_position(Runtime& rt, const char16_t* builtin, int& x, int& y);
void move_mouse(Runtime& rt, const char16_t* builtin, int x, int y);

}  // namespace quorin::screen
