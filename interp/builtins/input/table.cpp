// Registry entries of the mouse and keyboard builtins, overloads in registry
// order.  Every builtin composes its events in sequences.cpp; `sleep` and
// `pause` belong to the run-control family.
#include <cstdio>
#include <string>

#include "builtins/input/sequences.h"
#include "builtins/input/waits.h"
#include "builtins/tables.h"
#include "runtime/native.h"

namespace quorin {
namespace {

namespace mf = mouse_flag;
using input::Mods;

template <BuiltinName N>
InputDevice& dev(Runtime& rt) {
  return input_device(rt, N.s);
}

void set_int(ByRef<tc::RefBase + tc::Int> r, int32_t v) { *static_cast<int32_t*>(r.addr) = v; }

// ---- mouse ----
void mouse_move_to(Runtime& rt, int32_t x, int32_t y) { input::move_to(dev<u"mouse_move_to">(rt), x, y); }

template <BuiltinName N, uint32_t Flag>
void mouse_button(Runtime& rt, int32_t x, int32_t y) {
  input::button_at(dev<N>(rt), x, y, Flag);
}

template <BuiltinName N, uint32_t Down, uint32_t Up>
void mouse_click(Runtime& rt, int32_t x, int32_t y) {
  input::click_at(dev<N>(rt), x, y, Down, Up);
}

int32_t mouse_left_click_ex(Runtime& rt, int32_t x, int32_t y) {
  return input::left_click_ex(dev<u"mouse_left_click_ex">(rt), x, y);
}

void mouse_double_click(Runtime& rt, int32_t x, int32_t y) {
  input::double_click_at(dev<u"mouse_double_click">(rt), x, y);
}

template <BuiltinName N, int Sign>
void wheel1(Runtime& rt, int32_t x, int32_t y) {
  input::wheel_at(dev<N>(rt), x, y, 1, 0, Sign);
}
template <BuiltinName N, int Sign>
void wheel2(Runtime& rt, int32_t x, int32_t y, int32_t count) {
  input::wheel_at(dev<N>(rt), x, y, count, 0, Sign);
}
template <BuiltinName N, int Sign>
void wheel3(Runtime& rt, int32_t x, int32_t y, int32_t count, int32_t interval) {
  input::wheel_at(dev<N>(rt), x, y, count, interval, Sign);
}

int32_t mouse_get_cursor_style(Runtime& rt) { return dev<u"mouse_get_cursor_style">(rt).cursor_handle(); }
int32_t mouse_get_cursor_style_at(Runtime& rt, int32_t x, int32_t y) {
  return input::cursor_style_at(dev<u"mouse_get_cursor_style">(rt), x, y);
}

void mouse_get_position(Runtime& rt, ByRef<tc::RefBase + tc::Int> x, ByRef<tc::RefBase + tc::Int> y) {
  int32_t px = 0, py = 0;
  dev<u"mouse_get_position">(rt).cursor_position(px, py);
  set_int(x, px);
  set_int(y, py);
}

void mouse_select_text(Runtime& rt, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  input::select_text(dev<u"mouse_select_text">(rt), x1, y1, x2, y2);
}
void mouse_select_object(Runtime& rt, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  input::select_object(dev<u"mouse_select_object">(rt), x1, y1, x2, y2);
}

// ---- keys by code ----
void key_code(Runtime& rt, int32_t code) { input::tap_code(dev<u"key_code">(rt), code, 1); }
void key_code_n(Runtime& rt, int32_t code, int32_t count) { input::tap_code(dev<u"key_code">(rt), code, count); }
void key_press_code(Runtime& rt, int32_t code) {
  if (input::valid_code(code)) input::press(dev<u"key_press_code">(rt), code);
}
void key_release_code(Runtime& rt, int32_t code) {
  if (input::valid_code(code)) input::release(dev<u"key_release_code">(rt), code);
}

// ---- keys by character ----
void key_char(Runtime& rt, char16_t ch) { input::key_char(dev<u"key_char">(rt), ch, 1); }
void key_char_n(Runtime& rt, char16_t ch, int32_t count) { input::key_char(dev<u"key_char">(rt), ch, count); }
void key_press_char(Runtime& rt, char16_t ch) { input::key_press_char(dev<u"key_press_char">(rt), ch); }
void key_release_char(Runtime& rt, char16_t ch) { input::key_release_char(dev<u"key_release_char">(rt), ch); }

// ---- fixed keys ----
template <BuiltinName N, int Vk>
void press_fixed(Runtime& rt) {
  input::press(dev<N>(rt), Vk);
}
template <BuiltinName N, int Vk>
void release_fixed(Runtime& rt) {
  input::release(dev<N>(rt), Vk);
}
template <BuiltinName N, int Vk>
void tap_fixed(Runtime& rt) {
  input::tap_code(dev<N>(rt), Vk, 1);
}
template <BuiltinName N, int Vk>
void tap_fixed_n(Runtime& rt, int32_t count) {
  input::tap_code(dev<N>(rt), Vk, count);
}

// ---- combinations ----
template <BuiltinName N, int M1, int M2>
void combo_char(Runtime& rt, char16_t ch) {
  input::combo_char(dev<N>(rt), Mods{M1, M2}, ch);
}
template <BuiltinName N, int M1, int M2>
void combo_code(Runtime& rt, int32_t code) {
  input::combo_code(dev<N>(rt), Mods{M1, M2}, code);
}
template <BuiltinName N, int M1, int Key>
void combo_fixed(Runtime& rt) {
  input::combo_code(dev<N>(rt), Mods{M1, 0}, Key);
}

// ---- typing ----
void input_text(Runtime& rt, const Str& s) { input::type_text(dev<u"input">(rt), s.view(), 10); }
void input_text_every(Runtime& rt, const Str& s, int32_t interval) {
  input::type_text(dev<u"input">(rt), s.view(), interval);
}
void input_char(Runtime& rt, char16_t ch) { input::type_text(dev<u"input_char">(rt), std::u16string_view(&ch, 1), 10); }
void input_int(Runtime& rt, int32_t v) {
  char buf[16];
  int n = std::snprintf(buf, sizeof buf, "%d", static_cast<int>(v));
  std::u16string t(buf, buf + (n > 0 ? n : 0));
  input::type_text(dev<u"input_int">(rt), t, 10);
}
void input_double(Runtime& rt, double x, int32_t digits) {
  input::type_text(dev<u"input_double">(rt), input::double_digits_text(x, digits), 10);
}

// ---- waiting for the user ----
void wait_mouse_left_down(Runtime& rt) {
  int32_t x = 0, y = 0;
  input::wait_click(rt, wait_watcher(rt, u"wait_mouse_left_down"), false, x, y);
}
void wait_mouse_left_down_at(Runtime& rt, ByRef<tc::RefBase + tc::Int> x, ByRef<tc::RefBase + tc::Int> y) {
  int32_t px = 0, py = 0;
  input::wait_click(rt, wait_watcher(rt, u"wait_mouse_left_down"), false, px, py);
  set_int(x, px);
  set_int(y, py);
}
void wait_mouse_left_down_block(Runtime& rt, ByRef<tc::RefBase + tc::Int> x, ByRef<tc::RefBase + tc::Int> y,
                                int32_t block) {
  int32_t px = 0, py = 0;
  input::wait_click(rt, wait_watcher(rt, u"wait_mouse_left_down"), block != 0, px, py);
  set_int(x, px);
  set_int(y, py);
}
int32_t wait_key_press(Runtime& rt) { return input::wait_key(rt, wait_watcher(rt, u"wait_key_press"), false); }
int32_t wait_key_press_block(Runtime& rt, int32_t block) {
  return input::wait_key(rt, wait_watcher(rt, u"wait_key_press"), block != 0);
}

int32_t block_input(Runtime& rt, int32_t flag) { return dev<u"block_input">(rt).block_input(flag); }

constexpr int kCtrl = vk::kCtrl, kShift = vk::kShift, kAlt = vk::kAlt, kWin = vk::kLeftWin;

#define QR_TAP(NAME, VK) builtin<&tap_fixed<u"" NAME, VK>>(u"" NAME)
#define QR_TAP_N(NAME, VK) builtin<&tap_fixed_n<u"" NAME, VK>>(u"" NAME)
#define QR_CHAR(NAME, M1, M2) builtin<&combo_char<u"" NAME, M1, M2>>(u"" NAME)
#define QR_CODE(NAME, M1, M2) builtin<&combo_code<u"" NAME, M1, M2>>(u"" NAME)
#define QR_CTRL(NAME, KEY) builtin<&combo_fixed<u"" NAME, kCtrl, KEY>>(u"" NAME)

constexpr BuiltinEntry kEntries[] = {
    builtin<&mouse_move_to>(u"mouse_move_to"),
    builtin<&mouse_button<u"mouse_left_down", mf::kLeftDown>>(u"mouse_left_down"),
    builtin<&mouse_button<u"mouse_left_up", mf::kLeftUp>>(u"mouse_left_up"),
    builtin<&mouse_button<u"mouse_right_down", mf::kRightDown>>(u"mouse_right_down"),
    builtin<&mouse_button<u"mouse_right_up", mf::kRightUp>>(u"mouse_right_up"),
    builtin<&mouse_click<u"mouse_left_click", mf::kLeftDown, mf::kLeftUp>>(u"mouse_left_click"),
    builtin<&mouse_click<u"mouse_right_click", mf::kRightDown, mf::kRightUp>>(u"mouse_right_click"),
    builtin<&mouse_click<u"mouse_middle_click", mf::kMiddleDown, mf::kMiddleUp>>(u"mouse_middle_click"),
    builtin<&mouse_left_click_ex>(u"mouse_left_click_ex"),
    builtin<&mouse_double_click>(u"mouse_double_click"),
    builtin<&wheel1<u"mouse_wheel_down", -1>>(u"mouse_wheel_down"),
    builtin<&wheel2<u"mouse_wheel_down", -1>>(u"mouse_wheel_down"),
    builtin<&wheel3<u"mouse_wheel_down", -1>>(u"mouse_wheel_down"),
    builtin<&wheel1<u"mouse_wheel_up", 1>>(u"mouse_wheel_up"),
    builtin<&wheel2<u"mouse_wheel_up", 1>>(u"mouse_wheel_up"),
    builtin<&wheel3<u"mouse_wheel_up", 1>>(u"mouse_wheel_up"),
    builtin<&mouse_get_cursor_style>(u"mouse_get_cursor_style"),
    builtin<&mouse_get_cursor_style_at>(u"mouse_get_cursor_style"),
    builtin<&mouse_get_position>(u"mouse_get_position"),
    builtin<&mouse_select_text>(u"mouse_select_text"),
    builtin<&mouse_select_object>(u"mouse_select_object"),

    builtin<&key_code>(u"key_code"),
    builtin<&key_code_n>(u"key_code"),
    builtin<&key_press_code>(u"key_press_code"),
    builtin<&key_release_code>(u"key_release_code"),
    builtin<&key_char>(u"key_char"),
    builtin<&key_char_n>(u"key_char"),
    builtin<&key_press_char>(u"key_press_char"),
    builtin<&key_release_char>(u"key_release_char"),

    builtin<&press_fixed<u"key_press_ctrl", kCtrl>>(u"key_press_ctrl"),
    builtin<&release_fixed<u"key_release_ctrl", kCtrl>>(u"key_release_ctrl"),
    builtin<&press_fixed<u"key_press_shift", kShift>>(u"key_press_shift"),
    builtin<&release_fixed<u"key_release_shift", kShift>>(u"key_release_shift"),
    builtin<&press_fixed<u"key_press_alt", kAlt>>(u"key_press_alt"),
    builtin<&release_fixed<u"key_release_alt", kAlt>>(u"key_release_alt"),
    builtin<&press_fixed<u"key_press_win", kWin>>(u"key_press_win"),
    builtin<&release_fixed<u"key_release_win", kWin>>(u"key_release_win"),

    QR_TAP("key_tab", vk::kTab),
    QR_TAP_N("key_tab", vk::kTab),
    QR_TAP("key_back_space", vk::kBack),
    QR_TAP_N("key_back_space", vk::kBack),
    QR_TAP("key_space", vk::kSpace),
    QR_TAP_N("key_space", vk::kSpace),
    QR_TAP("key_enter", vk::kEnter),
    QR_TAP_N("key_enter", vk::kEnter),
    QR_TAP("key_page_down", vk::kPageDown),
    QR_TAP_N("key_page_down", vk::kPageDown),
    QR_TAP("key_page_up", vk::kPageUp),
    QR_TAP_N("key_page_up", vk::kPageUp),
    QR_TAP("key_left", vk::kLeft),
    QR_TAP_N("key_left", vk::kLeft),
    QR_TAP("key_up", vk::kUp),
    QR_TAP_N("key_up", vk::kUp),
    QR_TAP("key_right", vk::kRight),
    QR_TAP_N("key_right", vk::kRight),
    QR_TAP("key_down", vk::kDown),
    QR_TAP_N("key_down", vk::kDown),
    QR_TAP("key_del", vk::kDelete),
    QR_TAP("key_home", vk::kHome),
    QR_TAP("key_end", vk::kEnd),
    QR_TAP("key_esc", vk::kEsc),
    QR_TAP("key_f5", vk::kF5),
    QR_TAP("key_win", vk::kLeftWin),

    QR_CHAR("key_ctrl_char", kCtrl, 0),
    QR_CHAR("key_shift_char", kShift, 0),
    QR_CHAR("key_alt_char", kAlt, 0),
    QR_CHAR("key_win_char", kWin, 0),
    QR_CHAR("key_ctrl_shift_char", kCtrl, kShift),
    QR_CHAR("key_ctrl_alt_char", kCtrl, kAlt),
    QR_CHAR("key_alt_shift_char", kAlt, kShift),
    QR_CODE("key_ctrl_code", kCtrl, 0),
    QR_CODE("key_shift_code", kShift, 0),
    QR_CODE("key_alt_code", kAlt, 0),
    QR_CODE("key_win_code", kWin, 0),
    QR_CODE("key_ctrl_shift_code", kCtrl, kShift),
    QR_CODE("key_ctrl_alt_code", kCtrl, kAlt),
    QR_CODE("key_alt_shift_code", kAlt, kShift),
    QR_CTRL("key_ctrl_a", 'A'),
    QR_CTRL("key_ctrl_c", 'C'),
    QR_CTRL("key_ctrl_x", 'X'),
    QR_CTRL("key_ctrl_v", 'V'),
    QR_CTRL("key_ctrl_z", 'Z'),
    QR_CTRL("key_ctrl_n", 'N'),
    QR_CTRL("key_ctrl_o", 'O'),
    QR_CTRL("key_ctrl_w", 'W'),
    QR_CTRL("key_ctrl_s", 'S'),
    QR_CTRL("key_ctrl_f5", vk::kF5),
    builtin<&combo_fixed<u"key_win_d", kWin, 'D'>>(u"key_win_d"),

    builtin<&input_text>(u"input"),
    builtin<&input_text_every>(u"input"),
    builtin<&input_char>(u"input_char"),
    builtin<&input_int>(u"input_int"),
    builtin<&input_double>(u"input_double"),

    builtin<&wait_mouse_left_down>(u"wait_mouse_left_down"),
    builtin<&wait_mouse_left_down_at>(u"wait_mouse_left_down"),
    builtin<&wait_mouse_left_down_block>(u"wait_mouse_left_down"),
    builtin<&wait_key_press>(u"wait_key_press"),
    builtin<&wait_key_press_block>(u"wait_key_press"),
    builtin<&block_input>(u"block_input"),
};

#undef QR_TAP
#undef QR_TAP_N
#undef QR_CHAR
#undef QR_CODE
#undef QR_CTRL

}  // namespace

BuiltinTable input_table() {
  // The absolute-position factors are measured once, before the first
  // script is compiled (the registry is built for the first compile).
  measure_process_absolute_scale();
  return {kEntries, std::size(kEntries)};
}

}  // namespace quorin
