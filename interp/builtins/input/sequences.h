// The event sequences of the input builtins and of the window builtins that
// post input to one window, composed from the device's primitives.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "builtins/input/device.h"

namespace quorin::input {

// ---- global mouse ----
void move_to(InputDevice& d, int32_t x, int32_t y);
// Move, then the one button event at the same position.
void button_at(InputDevice& d, int32_t x, int32_t y, uint32_t flag);
// Move, down, 35 ms, up.
void click_at(InputDevice& d, int32_t x, int32_t y, uint32_t down, uint32_t up);
// Move, left down, 15 ms, up, 35 ms, down, 15 ms, up.
void double_click_at(InputDevice& d, int32_t x, int32_t y);
// The left click through SendInput: 0 at the first input that was not
// inserted, else the last call's result.
int32_t left_click_ex(InputDevice& d, int32_t x, int32_t y);
// sign: -1 wheel down, +1 wheel up.
void wheel_at(InputDevice& d, int32_t x, int32_t y, int32_t count, int32_t interval, int sign);
void select_text(InputDevice& d, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void select_object(InputDevice& d, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// The cursor handle at a point: moves there (when the cursor is elsewhere),
// 30 ms, reads, moves back.
int32_t cursor_style_at(InputDevice& d, int32_t x, int32_t y);

// ---- keys ----
bool valid_code(int32_t code);         // 1..254
void press(InputDevice& d, int vk);    // event, 15 ms
void release(InputDevice& d, int vk);  // event, 50 ms
void tap(InputDevice& d, int vk);
// Taps a code `count` times (nothing outside 1..254 or for count <= 0).
void tap_code(InputDevice& d, int32_t code, int32_t count);

// The key of a character: VkKeyScanW's low byte, and whether Shift is
// needed (bit 8), inverted for ASCII letters when Caps Lock applies.
struct CharKey {
  bool typed = false;  // false: no key types the character
  int vk = 0;
  bool shift = false;
};
CharKey char_key(uint32_t scan, char16_t ch, bool caps_lock_applies);
CharKey char_key(InputDevice& d, char16_t ch, bool apply_caps_lock);

void key_char(InputDevice& d, char16_t ch, int32_t count);
void key_press_char(InputDevice& d, char16_t ch);
void key_release_char(InputDevice& d, char16_t ch);

// Modifier combinations: the modifiers (up to two) are pressed in order,
// the key is tapped, the modifiers are released in reverse order.
struct Mods {
  int first = 0, second = 0;
};
void combo_code(InputDevice& d, Mods m, int32_t code);
// The character's key without Shift or Caps Lock; a character without a key
// sends nothing at all.
void combo_char(InputDevice& d, Mods m, char16_t ch);

// ---- typing ----
// Every UTF-16 unit as a Unicode key down and up, then the interval.
void type_text(InputDevice& d, std::u16string_view text, int32_t interval);
// "%.7lf", then cut after the point: digits <= 0 keeps the integer part
// only, more than 7 keeps 7.
std::u16string double_digits_text(double x, int32_t digits);

// ---- posted window input ----
// (y << 16) | (x & 0xFFFF)
int32_t pack_point(int32_t x, int32_t y);
// (hi << 16) | (lo & 0xFFFF)
int32_t make_pair(int32_t lo, int32_t hi);

namespace wm {
inline constexpr uint32_t kKeyDown = 0x0100, kKeyUp = 0x0101, kChar = 0x0102, kMouseMove = 0x0200,
                          kLButtonDown = 0x0201, kLButtonUp = 0x0202, kLButtonDblClk = 0x0203, kRButtonDown = 0x0204,
                          kRButtonUp = 0x0205, kMButtonDown = 0x0207, kMButtonUp = 0x0208, kMouseWheel = 0x020A;
}

// count × (WM_KEYDOWN lParam 0, WM_KEYUP lParam 0xC0000000), then 30 ms.
void post_key_code(InputDevice& d, int32_t hwnd, int32_t vk, int32_t count);
void post_text(InputDevice& d, int32_t hwnd, std::u16string_view text, int32_t interval);
void post_mouse(InputDevice& d, int32_t hwnd, uint32_t msg, int32_t x, int32_t y, int32_t keys);
// Down and up with no delay.
void post_click(InputDevice& d, int32_t hwnd, uint32_t down, uint32_t up, int32_t x, int32_t y, int32_t keys);
// Down, 5 ms, up, 10 ms, WM_LBUTTONDBLCLK, 5 ms, up.
void post_double_click(InputDevice& d, int32_t hwnd, int32_t x, int32_t y, int32_t keys);
void post_wheel(InputDevice& d, int32_t hwnd, int32_t x, int32_t y, int32_t keys, int32_t count, int32_t interval,
                int sign);

}  // namespace quorin::input
