#include "builtins/input/sequences.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace quorin {

AbsoluteScale scale_for_screen(int width, int height) {
  AbsoluteScale s;
  if (width > 1) s.x = 65535.0 / (width - 1);
  if (height > 1) s.y = 65535.0 / (height - 1);
  return s;
}

int32_t to_absolute(int32_t v, double factor) {
  double q = std::trunc(static_cast<double>(v) * factor);
  if (!(q > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  if (q >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(q);
}

int32_t physical_to_logical(int32_t v, double factor) {
  if (factor == 1.0 || !(factor > 0)) return v;
  double q = v / factor;
  double t = std::trunc(q);
  return static_cast<int32_t>(q - t > 0.49 ? t + 1 : t);
}

namespace input {

namespace {

constexpr uint32_t kAbs = mouse_flag::kAbsolute;

struct AbsPoint {
  int32_t x, y;
};

AbsPoint absolute(InputDevice& d, int32_t x, int32_t y) {
  AbsoluteScale s = d.scale();
  return {to_absolute(x, s.x), to_absolute(y, s.y)};
}

void event_at(InputDevice& d, AbsPoint p, uint32_t flag, int32_t data = 0) {
  d.mouse_event(flag | kAbs, p.x, p.y, data);
}

void pause_for(InputDevice& d, int32_t ms) {
  if (ms > 0) d.sleep(ms);
}

// count × 120 with the sign, kept inside the int range.
int32_t wheel_amount(int32_t count, int sign) {
  int64_t v = static_cast<int64_t>(count) * kWheelNotch * sign;
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

}  // namespace

void move_to(InputDevice& d, int32_t x, int32_t y) { event_at(d, absolute(d, x, y), mouse_flag::kMove); }

void button_at(InputDevice& d, int32_t x, int32_t y, uint32_t flag) {
  AbsPoint p = absolute(d, x, y);
  event_at(d, p, mouse_flag::kMove);
  event_at(d, p, flag);
}

void click_at(InputDevice& d, int32_t x, int32_t y, uint32_t down, uint32_t up) {
  AbsPoint p = absolute(d, x, y);
  event_at(d, p, mouse_flag::kMove);
  event_at(d, p, down);
  d.sleep(35);
  event_at(d, p, up);
}

void double_click_at(InputDevice& d, int32_t x, int32_t y) {
  AbsPoint p = absolute(d, x, y);
  event_at(d, p, mouse_flag::kMove);
  event_at(d, p, mouse_flag::kLeftDown);
  d.sleep(15);
  event_at(d, p, mouse_flag::kLeftUp);
  d.sleep(35);
  event_at(d, p, mouse_flag::kLeftDown);
  d.sleep(15);
  event_at(d, p, mouse_flag::kLeftUp);
}

int32_t left_click_ex(InputDevice& d, int32_t x, int32_t y) {
  AbsPoint p = absolute(d, x, y);
  if (d.send_mouse(mouse_flag::kMove | kAbs, p.x, p.y) == 0) return 0;
  if (d.send_mouse(mouse_flag::kLeftDown, 0, 0) == 0) return 0;
  d.sleep(35);
  return static_cast<int32_t>(d.send_mouse(mouse_flag::kLeftUp, 0, 0));
}

void wheel_at(InputDevice& d, int32_t x, int32_t y, int32_t count, int32_t interval, int sign) {
  if (count <= 0) return;
  AbsPoint p = absolute(d, x, y);
  event_at(d, p, mouse_flag::kMove);
  if (interval <= 0 || count <= 1) {
    event_at(d, p, mouse_flag::kWheel, wheel_amount(count, sign));
    return;
  }
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0) {
      if (d.halted()) return;
      d.sleep(interval);
    }
    event_at(d, p, mouse_flag::kWheel, wheel_amount(1, sign));
  }
}

void select_text(InputDevice& d, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  AbsPoint a = absolute(d, x1, y1), b = absolute(d, x2, y2);
  event_at(d, a, mouse_flag::kMove);
  event_at(d, a, mouse_flag::kLeftDown);
  event_at(d, b, mouse_flag::kMove);
  event_at(d, b, mouse_flag::kLeftUp);
}

void select_object(InputDevice& d, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  AbsPoint a = absolute(d, x1, y1), b = absolute(d, x2, y2);
  event_at(d, a, mouse_flag::kMove);
  event_at(d, a, mouse_flag::kLeftDown);
  press(d, vk::kShift);
  event_at(d, b, mouse_flag::kMove);
  event_at(d, b, mouse_flag::kLeftUp);
  release(d, vk::kShift);
}

int32_t cursor_style_at(InputDevice& d, int32_t x, int32_t y) {
  int32_t ox = 0, oy = 0;
  bool known = d.cursor_position(ox, oy);
  bool moved = !known || ox != x || oy != y;
  if (moved) move_to(d, x, y);
  d.sleep(30);
  int32_t handle = d.cursor_handle();
  // Back to where the user had it (only when that place is known).
  if (moved && known) move_to(d, ox, oy);
  return handle;
}

// ---- keys ----

bool valid_code(int32_t code) { return code >= 1 && code <= 254; }

void press(InputDevice& d, int vk) {
  d.key_event(vk, false);
  d.sleep(15);
}

void release(InputDevice& d, int vk) {
  d.key_event(vk, true);
  d.sleep(50);
}

void tap(InputDevice& d, int vk) {
  press(d, vk);
  release(d, vk);
}

void tap_code(InputDevice& d, int32_t code, int32_t count) {
  if (!valid_code(code)) return;
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0 && d.halted()) return;
    tap(d, code);
  }
}

CharKey char_key(uint32_t scan, char16_t ch, bool caps_lock_applies) {
  CharKey k;
  scan &= 0xFFFF;
  if (scan == 0xFFFF) return k;
  k.typed = true;
  k.vk = static_cast<int>(scan & 0xFF);
  k.shift = (scan & 0x100) != 0;
  const unsigned upper = ch & ~0x20u;
  if (caps_lock_applies && ch < 0x80 && upper >= 'A' && upper <= 'Z') k.shift = !k.shift;
  return k;
}

CharKey char_key(InputDevice& d, char16_t ch, bool apply_caps_lock) {
  uint32_t scan = d.key_scan(ch);
  return char_key(scan, ch, apply_caps_lock && d.caps_lock_on());
}

namespace {

// `act` (a tap or a press) on the character's key, inside Shift when the
// character needs it.
void shifted(InputDevice& d, const CharKey& k, void (*act)(InputDevice&, int)) {
  if (k.shift) press(d, vk::kShift);
  act(d, k.vk);
  if (k.shift) release(d, vk::kShift);
}

}  // namespace

void key_char(InputDevice& d, char16_t ch, int32_t count) {
  if (count <= 0) return;
  CharKey k = char_key(d, ch, true);
  if (!k.typed) return;
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0 && d.halted()) return;
    shifted(d, k, tap);
  }
}

void key_press_char(InputDevice& d, char16_t ch) {
  CharKey k = char_key(d, ch, true);
  if (!k.typed) return;
  shifted(d, k, press);
}

void key_release_char(InputDevice& d, char16_t ch) {
  CharKey k = char_key(d, ch, false);
  if (k.typed) release(d, k.vk);
}

void combo_code(InputDevice& d, Mods m, int32_t code) {
  if (m.first) press(d, m.first);
  if (m.second) press(d, m.second);
  if (valid_code(code)) tap(d, code);
  if (m.second) release(d, m.second);
  if (m.first) release(d, m.first);
}

void combo_char(InputDevice& d, Mods m, char16_t ch) {
  CharKey k = char_key(d, ch, false);
  if (!k.typed) return;
  combo_code(d, m, k.vk);
}

// ---- typing ----

void type_text(InputDevice& d, std::u16string_view text, int32_t interval) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (i > 0 && d.halted()) return;
    d.send_unicode(text[i], false);
    d.send_unicode(text[i], true);
    pause_for(d, interval);
  }
}

std::u16string double_digits_text(double x, int32_t digits) {
  char buf[512];
  int n = std::snprintf(buf, sizeof buf, "%.7f", x);
  if (n < 0) return u"";
  std::string s(buf, static_cast<size_t>(n) < sizeof buf ? static_cast<size_t>(n) : sizeof buf - 1);
  size_t point = s.find('.');
  if (point != std::string::npos) {
    if (digits <= 0)
      s.resize(point);
    else if (digits < 7)
      s.resize(point + 1 + static_cast<size_t>(digits));
  }
  return std::u16string(s.begin(), s.end());
}

// ---- posted window input ----

int32_t pack_point(int32_t x, int32_t y) { return make_pair(x, y); }

int32_t make_pair(int32_t lo, int32_t hi) {
  uint32_t v = (static_cast<uint32_t>(hi) << 16) | (static_cast<uint32_t>(lo) & 0xFFFFu);
  return static_cast<int32_t>(v);
}

void post_key_code(InputDevice& d, int32_t hwnd, int32_t vkey, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0 && d.halted()) break;
    d.post(hwnd, wm::kKeyDown, static_cast<uint32_t>(vkey), 0);
    d.post(hwnd, wm::kKeyUp, static_cast<uint32_t>(vkey), static_cast<int32_t>(0xC0000000u));
  }
  d.sleep(30);
}

void post_text(InputDevice& d, int32_t hwnd, std::u16string_view text, int32_t interval) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (i > 0 && d.halted()) return;
    d.post(hwnd, wm::kChar, text[i], 0);
    pause_for(d, interval);
  }
}

void post_mouse(InputDevice& d, int32_t hwnd, uint32_t msg, int32_t x, int32_t y, int32_t keys) {
  d.post(hwnd, msg, static_cast<uint32_t>(keys), pack_point(x, y));
}

void post_click(InputDevice& d, int32_t hwnd, uint32_t down, uint32_t up, int32_t x, int32_t y, int32_t keys) {
  post_mouse(d, hwnd, down, x, y, keys);
  post_mouse(d, hwnd, up, x, y, keys);
}

void post_double_click(InputDevice& d, int32_t hwnd, int32_t x, int32_t y, int32_t keys) {
  post_mouse(d, hwnd, wm::kLButtonDown, x, y, keys);
  d.sleep(5);
  post_mouse(d, hwnd, wm::kLButtonUp, x, y, keys);
  d.sleep(10);
  post_mouse(d, hwnd, wm::kLButtonDblClk, x, y, keys);
  d.sleep(5);
  post_mouse(d, hwnd, wm::kLButtonUp, x, y, keys);
}

void post_wheel(InputDevice& d, int32_t hwnd, int32_t x, int32_t y, int32_t keys, int32_t count, int32_t interval,
                int sign) {
  if (count <= 0) return;
  const int32_t point = pack_point(x, y);
  auto wparam = [&](int32_t notches) { return static_cast<uint32_t>(make_pair(keys, wheel_amount(notches, sign))); };
  if (count <= 1 || interval <= 0) {
    d.post(hwnd, wm::kMouseWheel, wparam(count), point);
    return;
  }
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0) {
      if (d.halted()) return;
      d.sleep(interval);
    }
    d.post(hwnd, wm::kMouseWheel, wparam(1), point);
  }
}

}  // namespace input
}  // namespace quorin
