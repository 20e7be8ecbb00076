// Registry entries of the window builtins, overloads in registry order.
// `window_get_quorin_handle` belongs to the run-control family.  The input
// posted to one window is composed in the input family's sequences.
#include "builtins/input/sequences.h"
#include "builtins/tables.h"
#include "builtins/window/window_builtins.h"

namespace quorin {
namespace {

using namespace window;
namespace wm = input::wm;

template <BuiltinName N>
InputDevice& dev(Runtime& rt) {
  return input_device(rt, N.s);
}

// ---- posted keys and characters ----
void window_key_code(Runtime& rt, int32_t h, int32_t vk) {
  input::post_key_code(dev<u"window_key_code">(rt), h, vk, 1);
}
void window_key_code_n(Runtime& rt, int32_t h, int32_t vk, int32_t count) {
  input::post_key_code(dev<u"window_key_code">(rt), h, vk, count);
}
void window_key_press_code(Runtime& rt, int32_t h, int32_t vk) {
  dev<u"window_key_press_code">(rt).post(h, wm::kKeyDown, static_cast<uint32_t>(vk), 0);
}
void window_key_release_code(Runtime& rt, int32_t h, int32_t vk) {
  dev<u"window_key_release_code">(rt).post(h, wm::kKeyUp, static_cast<uint32_t>(vk), static_cast<int32_t>(0xC0000000u));
}
void window_input(Runtime& rt, int32_t h, const Str& text) {
  input::post_text(dev<u"window_input">(rt), h, text.view(), 10);
}
void window_input_every(Runtime& rt, int32_t h, const Str& text, int32_t interval) {
  input::post_text(dev<u"window_input">(rt), h, text.view(), interval);
}

// ---- posted mouse ----
template <BuiltinName N, uint32_t Msg>
void post_one(Runtime& rt, int32_t h, int32_t x, int32_t y) {
  input::post_mouse(dev<N>(rt), h, Msg, x, y, 0);
}
template <BuiltinName N, uint32_t Msg>
void post_one_keys(Runtime& rt, int32_t h, int32_t x, int32_t y, int32_t keys) {
  input::post_mouse(dev<N>(rt), h, Msg, x, y, keys);
}
template <BuiltinName N, uint32_t Down, uint32_t Up>
void post_click(Runtime& rt, int32_t h, int32_t x, int32_t y) {
  input::post_click(dev<N>(rt), h, Down, Up, x, y, 0);
}
template <BuiltinName N, uint32_t Down, uint32_t Up>
void post_click_keys(Runtime& rt, int32_t h, int32_t x, int32_t y, int32_t keys) {
  input::post_click(dev<N>(rt), h, Down, Up, x, y, keys);
}
void window_mouse_double_click(Runtime& rt, int32_t h, int32_t x, int32_t y) {
  input::post_double_click(dev<u"window_mouse_double_click">(rt), h, x, y, 0);
}
void window_mouse_double_click_keys(Runtime& rt, int32_t h, int32_t x, int32_t y, int32_t keys) {
  input::post_double_click(dev<u"window_mouse_double_click">(rt), h, x, y, keys);
}

template <BuiltinName N, int Sign>
void wheel3(Runtime& rt, int32_t h, int32_t x, int32_t y) {
  input::post_wheel(dev<N>(rt), h, x, y, 0, 1, 0, Sign);
}
template <BuiltinName N, int Sign>
void wheel4(Runtime& rt, int32_t h, int32_t x, int32_t y, int32_t keys) {
  input::post_wheel(dev<N>(rt), h, x, y, keys, 1, 0, Sign);
}
template <BuiltinName N, int Sign>
void wheel5(Runtime& rt, int32_t h, int32_t x, int32_t y, int32_t keys, int32_t count) {
  input::post_wheel(dev<N>(rt), h, x, y, keys, count, 0, Sign);
}
template <BuiltinName N, int Sign>
void wheel6(Runtime& rt, int32_t h, int32_t x, int32_t y, int32_t keys, int32_t count, int32_t interval) {
  input::post_wheel(dev<N>(rt), h, x, y, keys, count, interval, Sign);
}

// ---- message arguments ----
int32_t make_wparam(int32_t lo, int32_t hi) { return input::make_pair(lo, hi); }
int32_t make_lparam(int32_t lo, int32_t hi) { return input::make_pair(lo, hi); }

#define QR_POST(NAME, MSG) builtin<&post_one<u"" NAME, MSG>>(u"" NAME), builtin<&post_one_keys<u"" NAME, MSG>>(u"" NAME)
#define QR_WHEEL(NAME, SIGN)                                                              \
  builtin<&wheel3<u"" NAME, SIGN>>(u"" NAME), builtin<&wheel4<u"" NAME, SIGN>>(u"" NAME), \
      builtin<&wheel5<u"" NAME, SIGN>>(u"" NAME), builtin<&wheel6<u"" NAME, SIGN>>(u"" NAME)

constexpr BuiltinEntry kEntries[] = {
    builtin<&window_hide>(u"window_hide"),
    builtin<&window_minimize>(u"window_minimize"),
    builtin<&window_show>(u"window_show"),
    builtin<&window_top>(u"window_top"),
    builtin<&window_set_size>(u"window_set_size"),
    builtin<&window_set_position>(u"window_set_position"),
    builtin<&window_set_pos>(u"window_set_pos"),
    builtin<&window_get_window_rect>(u"window_get_window_rect"),
    builtin<&window_get_client_rect>(u"window_get_client_rect"),
    builtin<&window_get_size>(u"window_get_size"),
    builtin<&window_get_position_on_screen>(u"window_get_position_on_screen"),
    builtin<&window_screen_to_client>(u"window_screen_to_client"),
    builtin<&window_client_to_screen>(u"window_client_to_screen"),
    builtin<&window_enable>(u"window_enable"),
    builtin<&window_set_active>(u"window_set_active"),
    builtin<&window_set_foreground>(u"window_set_foreground"),
    builtin<&window_set_focus>(u"window_set_focus"),
    builtin<&window_set_text>(u"window_set_text"),
    builtin<&window_get_desktop>(u"window_get_desktop"),
    builtin<&window_get_active>(u"window_get_active"),
    builtin<&window_get_foreground>(u"window_get_foreground"),
    builtin<&window_get_focus>(u"window_get_focus"),
    builtin<&window_get_from_point>(u"window_get_from_point"),
    builtin<&window_get>(u"window_get"),
    builtin<&window_get_child_list>(u"window_get_child_list", tc::Int),
    builtin<&window_get_top_level_list>(u"window_get_top_level_list", tc::Int),
    builtin<&window_redraw>(u"window_redraw"),
    builtin<&invalidate_rect>(u"invalidate_rect"),
    builtin<&window_is_iconic>(u"window_is_iconic"),
    builtin<&window_is_zoomed>(u"window_is_zoomed"),
    builtin<&window_is_visible>(u"window_is_visible"),
    builtin<&window_is_enabled>(u"window_is_enabled"),
    builtin<&window_is_button_checked>(u"window_is_button_checked"),
    builtin<&window_set_button_checked>(u"window_set_button_checked"),
    builtin<&window_get_combo_box_selected_index>(u"window_get_combo_box_selected_index"),
    builtin<&window_set_combo_box_selected_index>(u"window_set_combo_box_selected_index"),
    builtin<&window_set_combo_box_selected_text>(u"window_set_combo_box_selected_text"),
    builtin<&window_get_parent>(u"window_get_parent"),
    builtin<&window_get_id>(u"window_get_id"),
    builtin<&window_get_item>(u"window_get_item"),
    builtin<&window_get_next_group_item>(u"window_get_next_group_item"),
    builtin<&window_get_next_tab_item>(u"window_get_next_tab_item"),
    builtin<&window_get_class_name>(u"window_get_class_name"),
    builtin<&window_get_text>(u"window_get_text"),

    builtin<&window_key_code>(u"window_key_code"),
    builtin<&window_key_code_n>(u"window_key_code"),
    builtin<&window_key_press_code>(u"window_key_press_code"),
    builtin<&window_key_release_code>(u"window_key_release_code"),
    builtin<&window_input>(u"window_input"),
    builtin<&window_input_every>(u"window_input"),
    QR_POST("window_mouse_move_to", wm::kMouseMove),
    builtin<&post_click<u"window_mouse_left_click", wm::kLButtonDown, wm::kLButtonUp>>(u"window_mouse_left_click"),
    builtin<&post_click_keys<u"window_mouse_left_click", wm::kLButtonDown, wm::kLButtonUp>>(u"window_mouse_left_click"),
    builtin<&post_click<u"window_mouse_right_click", wm::kRButtonDown, wm::kRButtonUp>>(u"window_mouse_right_click"),
    builtin<&post_click_keys<u"window_mouse_right_click", wm::kRButtonDown, wm::kRButtonUp>>(
        u"window_mouse_right_click"),
    builtin<&post_click<u"window_mouse_middle_click", wm::kMButtonDown, wm::kMButtonUp>>(u"window_mouse_middle_click"),
    builtin<&window_mouse_double_click>(u"window_mouse_double_click"),
    builtin<&window_mouse_double_click_keys>(u"window_mouse_double_click"),
    QR_POST("window_mouse_left_down", wm::kLButtonDown),
    QR_POST("window_mouse_left_up", wm::kLButtonUp),
    QR_POST("window_mouse_right_down", wm::kRButtonDown),
    QR_POST("window_mouse_right_up", wm::kRButtonUp),
    QR_WHEEL("window_mouse_wheel_down", -1),
    QR_WHEEL("window_mouse_wheel_up", 1),

    builtin<&window_find>(u"window_find"),
    builtin<&window_find_ex>(u"window_find_ex"),
    builtin<&window_send_message>(u"window_send_message"),
    builtin<&window_send_message_timeout>(u"window_send_message_timeout"),
    builtin<&window_post_message>(u"window_post_message"),
    builtin<&make_wparam>(u"make_wparam"),
    builtin<&make_lparam>(u"make_lparam"),
    builtin<&register_window_message>(u"register_window_message"),
    builtin<&make_copy_data>(u"make_copy_data"),
    builtin<&free_block>(u"free"),
    builtin<&global_alloc_string>(u"global_alloc_string"),
    builtin<&global_alloc_byte_array>(u"global_alloc_byte_array"),
    builtin<&global_size>(u"global_size"),
    builtin<&global_lock>(u"global_lock"),
    builtin<&global_unlock>(u"global_unlock"),
    builtin<&global_free>(u"global_free"),
};

#undef QR_POST
#undef QR_WHEEL

}  // namespace

BuiltinTable window_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
