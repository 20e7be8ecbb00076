// The GDI drawing builtins: each forwards to the GDI call of the same
// meaning and returns its result.  Device contexts, pens, brushes and
// bitmaps travel as script ints; only those handed out to this run may be
// deleted or released.  Natively each raises "<builtin>() 只能在 Windows 上使用".
#pragma once
#include <cstdint>

#include "runtime/native.h"

namespace quorin::draw {

int32_t get_dc(Runtime& rt, int32_t hwnd);
int32_t release_dc(Runtime& rt, int32_t hwnd, int32_t hdc);
int32_t create_compatible_dc(Runtime& rt, int32_t hdc);
int32_t delete_dc(Runtime& rt, int32_t hdc);
int32_t create_compatible_bitmap(Runtime& rt, int32_t hdc, int32_t w, int32_t h);
int32_t select_object(Runtime& rt, int32_t hdc, int32_t obj);
int32_t delete_object(Runtime& rt, int32_t obj);
int32_t create_pen(Runtime& rt, int32_t style, int32_t width, int32_t colour);
int32_t create_solid_brush(Runtime& rt, int32_t colour);
int32_t get_stock_object(Runtime& rt, int32_t which);
int32_t bit_blt(Runtime& rt, int32_t hdc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t src, int32_t sx,
                int32_t sy, int32_t rop);
int32_t set_pixel(Runtime& rt, int32_t hdc, int32_t x, int32_t y, int32_t colour);
int32_t set_pixel_v(Runtime& rt, int32_t hdc, int32_t x, int32_t y, int32_t colour);
int32_t get_pixel(Runtime& rt, int32_t hdc, int32_t x, int32_t y);
int32_t line(Runtime& rt, int32_t hdc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
int32_t rectangle(Runtime& rt, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b);
int32_t fill_rect(Runtime& rt, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t brush);
int32_t round_rect(Runtime& rt, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t w, int32_t h);
int32_t ellipse(Runtime& rt, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b);
int32_t arc(Runtime& rt, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t x1, int32_t y1, int32_t x2,
            int32_t y2);
int32_t pie(Runtime& rt, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t x1, int32_t y1, int32_t x2,
            int32_t y2);
int32_t chord(Runtime& rt, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t x1, int32_t y1, int32_t x2,
              int32_t y2);
int32_t draw_bmp(Runtime& rt, int32_t hdc, int32_t x, int32_t y, BmpArg bmp);

}  // namespace quorin::draw
