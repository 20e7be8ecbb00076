#include "probe/probe_fields.h"

#include <cstdio>
#include <cstdlib>

namespace quorin::probe {

std::string point_text(int32_t x, int32_t y) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%ld, %ld", static_cast<long>(x), static_cast<long>(y));
  return buf;
}

WindowTexts window_texts(const WindowFacts& w, int32_t x, int32_t y) {
  WindowTexts t;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%ld", static_cast<long>(w.handle));
  t.handle = buf;
  if (w.control_id != 0) t.id = std::to_string(w.control_id);
  t.class_name = w.class_name.substr(0, kClassChars);
  t.title = w.title.substr(0, kTitleChars);
  std::snprintf(buf, sizeof buf, "%d, %d", static_cast<int>(x - w.outer.left), static_cast<int>(y - w.outer.top));
  t.pointer = buf;
  std::snprintf(buf, sizeof buf, "%d x %d", static_cast<int>(w.client.right - w.client.left),
                static_cast<int>(w.client.bottom - w.client.top));
  t.client_size = buf;
  return t;
}

int32_t handle_from_field(const std::string& text) {
  std::string s = text.substr(0, kHandleFieldChars);
  if (s.empty()) return 0;
  char* end = nullptr;
  long long v = std::strtoll(s.c_str(), &end, 10);
  if (end == s.c_str()) return 0;
  return static_cast<int32_t>(static_cast<uint32_t>(v));
}

}  // namespace quorin::probe
