// The native build has no display: the drawing builtins end the run with a
// clear message.
#include "builtins/bmp/draw.h"
#include "support/format.h"

namespace quorin::draw {

namespace {
[[noreturn]] void windows_only(Runtime& rt, const char16_t* name) {
  rt.fail(format16(u"%s() 只能在 Windows 上使用", std::u16string(name)));
}
}  // namespace

int32_t get_dc(Runtime& rt, int32_t) { windows_only(rt, u"get_dc"); }
int32_t release_dc(Runtime& rt, int32_t, int32_t) { windows_only(rt, u"release_dc"); }
int32_t create_compatible_dc(Runtime& rt, int32_t) { windows_only(rt, u"create_compatible_dc"); }
int32_t delete_dc(Runtime& rt, int32_t) { windows_only(rt, u"delete_dc"); }
int32_t create_compatible_bitmap(Runtime& rt, int32_t, int32_t, int32_t) { windows_only(rt, u"create_compatible_bitmap"); }
int32_t select_object(Runtime& rt, int32_t, int32_t) { windows_only(rt, u"select_object"); }
int32_t delete_object(Runtime& rt, int32_t) { windows_only(rt, u"delete_object"); }
int32_t create_pen(Runtime& rt, int32_t, int32_t, int32_t) { windows_only(rt, u"create_pen"); }
int32_t create_solid_brush(Runtime& rt, int32_t) { windows_only(rt, u"create_solid_brush"); }
int32_t get_stock_object(Runtime& rt, int32_t) { windows_only(rt, u"get_stock_object"); }
int32_t bit_blt(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) { windows_only(rt, u"bit_blt"); }
int32_t set_pixel(Runtime& rt, int32_t, int32_t, int32_t, int32_t) { windows_only(rt, u"set_pixel"); }
int32_t set_pixel_v(Runtime& rt, int32_t, int32_t, int32_t, int32_t) { windows_only(rt, u"set_pixel_v"); }
int32_t get_pixel(Runtime& rt, int32_t, int32_t, int32_t) { windows_only(rt, u"get_pixel"); }
int32_t line(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t) { windows_only(rt, u"line"); }
int32_t rectangle(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t) { windows_only(rt, u"rectangle"); }
int32_t fill_rect(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) { windows_only(rt, u"fill_rect"); }
int32_t round_rect(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) { windows_only(rt, u"round_rect"); }
int32_t ellipse(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t) { windows_only(rt, u"ellipse"); }
int32_t arc(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) { windows_only(rt, u"arc"); }
int32_t pie(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) { windows_only(rt, u"pie"); }
int32_t chord(Runtime& rt, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) { windows_only(rt, u"chord"); }
int32_t draw_bmp(Runtime& rt, int32_t, int32_t, int32_t, BmpArg) { windows_only(rt, u"draw_bmp"); }

}  // namespace quorin::draw
