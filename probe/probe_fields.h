// What the window probe shows for a window under a screen point, as the
// texts of its fields.  Pure formatting; the window code sits in win32/.
#pragma once
#include <cstdint>
#include <string>

namespace quorin::probe {

struct Rect { int32_t left, top, right, bottom; };

struct WindowFacts {
  int32_t handle = 0;
  int32_t control_id = 0;
  std::string class_name;  // ANSI
  std::string title;       // ANSI
  Rect outer{};            // window rectangle on the screen
  Rect client{};           // client rectangle (left, top are 0)
};

struct WindowTexts {
  std::string handle, id, class_name, title, pointer, client_size;
};

constexpr size_t kClassChars = 127;
constexpr size_t kTitleChars = 1023;
constexpr size_t kHandleFieldChars = 15;

std::string point_text(int32_t x, int32_t y);
// The fields of the window found at screen point (x, y).
WindowTexts window_texts(const WindowFacts& w, int32_t x, int32_t y);
// The handle typed in a "句柄：" field (at most 15 characters, decimal), or
// 0 when the field is empty or holds no number.
int32_t handle_from_field(const std::string& text);

}  // namespace quorin::probe
