// Natively there are no windows: every window builtin that needs the system
// raises the runtime error of a builtin that needs Windows.
#include "builtins/input/device.h"
#include "builtins/window/window_builtins.h"

namespace quorin::window {

void window_hide(Runtime& rt) { fail_windows_only(rt, u"window_hide"); }
void window_minimize(Runtime& rt) { fail_windows_only(rt, u"window_minimize"); }
int32_t window_show(Runtime& rt, int32_t, int32_t) { fail_windows_only(rt, u"window_show"); }
int32_t window_top(Runtime& rt, int32_t, int32_t) { fail_windows_only(rt, u"window_top"); }
int32_t window_set_size(Runtime& rt, int32_t, int32_t, int32_t) { fail_windows_only(rt, u"window_set_size"); }
int32_t window_set_position(Runtime& rt, int32_t, int32_t, int32_t) { fail_windows_only(rt, u"window_set_position"); }
int32_t window_set_pos(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
  fail_windows_only(rt, u"window_set_pos");
}
int32_t window_get_window_rect(Runtime& rt, int32_t, IntRef, IntRef, IntRef, IntRef) {
  fail_windows_only(rt, u"window_get_window_rect");
}
int32_t window_get_client_rect(Runtime& rt, int32_t, IntRef, IntRef, IntRef, IntRef) {
  fail_windows_only(rt, u"window_get_client_rect");
}
int32_t window_get_size(Runtime& rt, int32_t, IntRef, IntRef) { fail_windows_only(rt, u"window_get_size"); }
int32_t window_get_position_on_screen(Runtime& rt, int32_t, IntRef, IntRef) {
  fail_windows_only(rt, u"window_get_position_on_screen");
}
int32_t window_screen_to_client(Runtime& rt, int32_t, IntRef, IntRef) {
  fail_windows_only(rt, u"window_screen_to_client");
}
int32_t window_client_to_screen(Runtime& rt, int32_t, IntRef, IntRef) {
  fail_windows_only(rt, u"window_client_to_screen");
}
int32_t window_enable(Runtime& rt, int32_t, int32_t) { fail_windows_only(rt, u"window_enable"); }
int32_t window_set_active(Runtime& rt, int32_t) { fail_windows_only(rt, u"window_set_active"); }
int32_t window_set_foreground(Runtime& rt, int32_t) { fail_windows_only(rt, u"window_set_foreground"); }
int32_t window_set_focus(Runtime& rt, int32_t) { fail_windows_only(rt, u"window_set_focus"); }
int32_t window_set_text(Runtime& rt, int32_t, const Str&) { fail_windows_only(rt, u"window_set_text"); }
int32_t window_get_desktop(Runtime& rt) { fail_windows_only(rt, u"window_get_desktop"); }
int32_t window_get_active(Runtime& rt) { fail_windows_only(rt, u"window_get_active"); }
int32_t window_get_foreground(Runtime& rt) { fail_windows_only(rt, u"window_get_foreground"); }
int32_t window_get_focus(Runtime& rt) { fail_windows_only(rt, u"window_get_focus"); }
int32_t window_get_from_point(Runtime& rt, int32_t, int32_t) { fail_windows_only(rt, u"window_get_from_point"); }
int32_t window_get(Runtime& rt, int32_t, int32_t) { fail_windows_only(rt, u"window_get"); }
ObjResult<tc::ArrayList> window_get_child_list(Runtime& rt, int32_t) {
  fail_windows_only(rt, u"window_get_child_list");
}
ObjResult<tc::ArrayList> window_get_top_level_list(Runtime& rt) { fail_windows_only(rt, u"window_get_top_level_list"); }
int32_t window_redraw(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
  fail_windows_only(rt, u"window_redraw");
}
int32_t invalidate_rect(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
  fail_windows_only(rt, u"invalidate_rect");
}
int32_t window_is_iconic(Runtime& rt, int32_t) { fail_windows_only(rt, u"window_is_iconic"); }
int32_t window_is_zoomed(Runtime& rt, int32_t) { fail_windows_only(rt, u"window_is_zoomed"); }
int32_t window_is_visible(Runtime& rt, int32_t) { fail_windows_only(rt, u"window_is_visible"); }
int32_t window_is_enabled(Runtime& rt, int32_t) { fail_windows_only(rt, u"window_is_enabled"); }
int32_t window_is_button_checked(Runtime& rt, int32_t) { fail_windows_only(rt, u"window_is_button_checked"); }
void window_set_button_checked(Runtime& rt, int32_t, int32_t) { fail_windows_only(rt, u"window_set_button_checked"); }
int32_t window_get_combo_box_selected_index(Runtime& rt, int32_t) {
  fail_windows_only(rt, u"window_get_combo_box_selected_index");
}
int32_t window_set_combo_box_selected_index(Runtime& rt, int32_t, int32_t) {
  fail_windows_only(rt, u"window_set_combo_box_selected_index");
}
int32_t window_set_combo_box_selected_text(Runtime& rt, int32_t, const Str&) {
  fail_windows_only(rt, u"window_set_combo_box_selected_text");
}
int32_t window_get_parent(Runtime& rt, int32_t) { fail_windows_only(rt, u"window_get_parent"); }
int32_t window_get_id(Runtime& rt, int32_t) { fail_windows_only(rt, u"window_get_id"); }
int32_t window_get_item(Runtime& rt, int32_t, int32_t) { fail_windows_only(rt, u"window_get_item"); }
int32_t window_get_next_group_item(Runtime& rt, int32_t, int32_t, int32_t) {
  fail_windows_only(rt, u"window_get_next_group_item");
}
int32_t window_get_next_tab_item(Runtime& rt, int32_t, int32_t, int32_t) {
  fail_windows_only(rt, u"window_get_next_tab_item");
}
Str window_get_class_name(Runtime& rt, int32_t) { fail_windows_only(rt, u"window_get_class_name"); }
Str window_get_text(Runtime& rt, int32_t) { fail_windows_only(rt, u"window_get_text"); }
int32_t window_find(Runtime& rt, const Str&, const Str&) { fail_windows_only(rt, u"window_find"); }
int32_t window_find_ex(Runtime& rt, int32_t, int32_t, const Str&, const Str&) {
  fail_windows_only(rt, u"window_find_ex");
}
int32_t window_send_message(Runtime& rt, int32_t, int32_t, int32_t, int32_t) {
  fail_windows_only(rt, u"window_send_message");
}
int32_t window_send_message_timeout(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, IntRef) {
  fail_windows_only(rt, u"window_send_message_timeout");
}
int32_t window_post_message(Runtime& rt, int32_t, int32_t, int32_t, int32_t) {
  fail_windows_only(rt, u"window_post_message");
}
int32_t register_window_message(Runtime& rt, const Str&) { fail_windows_only(rt, u"register_window_message"); }
int32_t make_copy_data(Runtime& rt, int32_t, int32_t, int32_t) { fail_windows_only(rt, u"make_copy_data"); }
void free_block(Runtime& rt, IntRef) { fail_windows_only(rt, u"free"); }
int32_t global_alloc_string(Runtime& rt, int32_t, const Str&) { fail_windows_only(rt, u"global_alloc_string"); }
int32_t global_alloc_byte_array(Runtime& rt, int32_t, ByteArray, int32_t) {
  fail_windows_only(rt, u"global_alloc_byte_array");
}
int32_t global_size(Runtime& rt, IntRef) { fail_windows_only(rt, u"global_size"); }
int32_t global_lock(Runtime& rt, IntRef) { fail_windows_only(rt, u"global_lock"); }
int32_t global_unlock(Runtime& rt, IntRef) { fail_windows_only(rt, u"global_unlock"); }
int32_t global_free(Runtime& rt, IntRef) { fail_windows_only(rt, u"global_free"); }

}  // namespace quorin::window
