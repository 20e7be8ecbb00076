// The window builtins that call the system directly (window_win32.cpp).
// Natively each raises the runtime error of a builtin that needs Windows
// (window_posix.cpp).  Window handles, global memory handles and copy-data
// addresses travel as script ints.
#pragma once
#include <cstdint>

#include "runtime/native.h"

namespace quorin::window {

using IntRef = ByRef<tc::RefBase + tc::Int>;
using ByteArray = ArrayArg<tc::ArrayBase + tc::Byte>;

void window_hide(Runtime& rt);
void window_minimize(Runtime& rt);
int32_t window_show(Runtime& rt, int32_t h, int32_t cmd);
int32_t window_top(Runtime& rt, int32_t h, int32_t on);
int32_t window_set_size(Runtime& rt, int32_t h, int32_t w, int32_t ht);
int32_t window_set_position(Runtime& rt, int32_t h, int32_t x, int32_t y);
int32_t window_set_pos(Runtime& rt, int32_t h, int32_t after, int32_t x, int32_t y, int32_t w, int32_t ht,
                       int32_t flags);
int32_t window_get_window_rect(Runtime& rt, int32_t h, IntRef l, IntRef t, IntRef r, IntRef b);
int32_t window_get_client_rect(Runtime& rt, int32_t h, IntRef l, IntRef t, IntRef r, IntRef b);
int32_t window_get_size(Runtime& rt, int32_t h, IntRef w, IntRef ht);
int32_t window_get_position_on_screen(Runtime& rt, int32_t h, IntRef x, IntRef y);
int32_t window_screen_to_client(Runtime& rt, int32_t h, IntRef x, IntRef y);
int32_t window_client_to_screen(Runtime& rt, int32_t h, IntRef x, IntRef y);
int32_t window_enable(Runtime& rt, int32_t h, int32_t on);
int32_t window_set_active(Runtime& rt, int32_t h);
int32_t window_set_foreground(Runtime& rt, int32_t h);
int32_t window_set_focus(Runtime& rt, int32_t h);
int32_t window_set_text(Runtime& rt, int32_t h, const Str& text);
int32_t window_get_desktop(Runtime& rt);
int32_t window_get_active(Runtime& rt);
int32_t window_get_foreground(Runtime& rt);
int32_t window_get_focus(Runtime& rt);
int32_t window_get_from_point(Runtime& rt, int32_t x, int32_t y);
int32_t window_get(Runtime& rt, int32_t h, int32_t cmd);
ObjResult<tc::ArrayList> window_get_child_list(Runtime& rt, int32_t h);
ObjResult<tc::ArrayList> window_get_top_level_list(Runtime& rt);
int32_t window_redraw(Runtime& rt, int32_t h, int32_t l, int32_t t, int32_t r, int32_t b, int32_t flags);
int32_t invalidate_rect(Runtime& rt, int32_t h, int32_t l, int32_t t, int32_t r, int32_t b, int32_t erase);
int32_t window_is_iconic(Runtime& rt, int32_t h);
int32_t window_is_zoomed(Runtime& rt, int32_t h);
int32_t window_is_visible(Runtime& rt, int32_t h);
int32_t window_is_enabled(Runtime& rt, int32_t h);
int32_t window_is_button_checked(Runtime& rt, int32_t h);
void window_set_button_checked(Runtime& rt, int32_t h, int32_t state);
int32_t window_get_combo_box_selected_index(Runtime& rt, int32_t h);
int32_t window_set_combo_box_selected_index(Runtime& rt, int32_t h, int32_t index);
int32_t window_set_combo_box_selected_text(Runtime& rt, int32_t h, const Str& text);
int32_t window_get_parent(Runtime& rt, int32_t h);
int32_t window_get_id(Runtime& rt, int32_t h);
int32_t window_get_item(Runtime& rt, int32_t h, int32_t id);
int32_t window_get_next_group_item(Runtime& rt, int32_t dlg, int32_t ctl, int32_t previous);
int32_t window_get_next_tab_item(Runtime& rt, int32_t dlg, int32_t ctl, int32_t previous);
Str window_get_class_name(Runtime& rt, int32_t h);
Str window_get_text(Runtime& rt, int32_t h);
int32_t window_find(Runtime& rt, const Str& cls, const Str& title);
int32_t window_find_ex(Runtime& rt, int32_t parent, int32_t after, const Str& cls, const Str& title);
int32_t window_send_message(Runtime& rt, int32_t h, int32_t msg, int32_t wparam, int32_t lparam);
int32_t window_send_message_timeout(Runtime& rt, int32_t h, int32_t msg, int32_t wparam, int32_t lparam, int32_t flags,
                                    int32_t timeout, IntRef result);
int32_t window_post_message(Runtime& rt, int32_t h, int32_t msg, int32_t wparam, int32_t lparam);
int32_t register_window_message(Runtime& rt, const Str& name);
int32_t make_copy_data(Runtime& rt, int32_t data, int32_t pointer, int32_t bytes);
void free_block(Runtime& rt, IntRef p);
int32_t global_alloc_string(Runtime& rt, int32_t flags, const Str& text);
int32_t global_alloc_byte_array(Runtime& rt, int32_t flags, ByteArray bytes, int32_t n);
int32_t global_size(Runtime& rt, IntRef h);
int32_t global_lock(Runtime& rt, IntRef h);
int32_t global_unlock(Runtime& rt, IntRef h);
int32_t global_free(Runtime& rt, IntRef h);

}  // namespace quorin::window
