#include <windows.h>

#include <algorithm>

#include "builtins/bmp/draw.h"
#include "builtins/screen/pixel_search.h"
#include "runtime/bmp_object.h"
#include "support/script_handle.h"

namespace quorin::draw {

namespace {

template <class H>
H handle(int32_t v) {
  return reinterpret_cast<H>(int_to_handle<void>(v));
}
template <class H>
int32_t as_int(H h) {
  return handle_to_int(reinterpret_cast<void*>(h));
}

// Records a handle given to the script; returns it as an int.
template <class H>
int32_t hand_out(Runtime& rt, H h) {
  const int32_t v = as_int(h);
  if (v) rt.gdi_handles.push_back(static_cast<uint32_t>(v));
  return v;
}
// Takes a handle back; false when this run never handed it out.
bool take_back(Runtime& rt, int32_t v) {
  auto it = std::find(rt.gdi_handles.begin(), rt.gdi_handles.end(), static_cast<uint32_t>(v));
  if (!v || it == rt.gdi_handles.end()) return false;
  rt.gdi_handles.erase(it);
  return true;
}

}  // namespace

int32_t get_dc(Runtime& rt, int32_t hwnd) { return hand_out(rt, GetDC(handle<HWND>(hwnd))); }
int32_t release_dc(Runtime& rt, int32_t hwnd, int32_t hdc) {
  if (!take_back(rt, hdc)) return 0;
  return ReleaseDC(handle<HWND>(hwnd), handle<HDC>(hdc));
}
int32_t create_compatible_dc(Runtime& rt, int32_t hdc) { return hand_out(rt, CreateCompatibleDC(handle<HDC>(hdc))); }
int32_t delete_dc(Runtime& rt, int32_t hdc) {
  if (!take_back(rt, hdc)) return 0;
  return DeleteDC(handle<HDC>(hdc));
}
int32_t create_compatible_bitmap(Runtime& rt, int32_t hdc, int32_t w, int32_t h) {
  return hand_out(rt, CreateCompatibleBitmap(handle<HDC>(hdc), w, h));
}
int32_t select_object(Runtime&, int32_t hdc, int32_t obj) {
  return as_int(SelectObject(handle<HDC>(hdc), handle<HGDIOBJ>(obj)));
}
int32_t delete_object(Runtime& rt, int32_t obj) {
  if (!take_back(rt, obj)) return 0;
  return DeleteObject(handle<HGDIOBJ>(obj));
}
int32_t create_pen(Runtime& rt, int32_t style, int32_t width, int32_t colour) {
  return hand_out(rt, CreatePen(style, width, static_cast<COLORREF>(colour)));
}
int32_t create_solid_brush(Runtime& rt, int32_t colour) {
  return hand_out(rt, CreateSolidBrush(static_cast<COLORREF>(colour)));
}
int32_t get_stock_object(Runtime&, int32_t which) { return as_int(GetStockObject(which)); }
int32_t bit_blt(Runtime&, int32_t hdc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t src, int32_t sx, int32_t sy,
                int32_t rop) {
  return BitBlt(handle<HDC>(hdc), x, y, w, h, handle<HDC>(src), sx, sy, static_cast<DWORD>(rop));
}
int32_t set_pixel(Runtime&, int32_t hdc, int32_t x, int32_t y, int32_t colour) {
  return static_cast<int32_t>(SetPixel(handle<HDC>(hdc), x, y, static_cast<COLORREF>(colour)));
}
int32_t set_pixel_v(Runtime&, int32_t hdc, int32_t x, int32_t y, int32_t colour) {
  return SetPixelV(handle<HDC>(hdc), x, y, static_cast<COLORREF>(colour));
}
int32_t get_pixel(Runtime&, int32_t hdc, int32_t x, int32_t y) {
  return static_cast<int32_t>(GetPixel(handle<HDC>(hdc), x, y));
}
int32_t line(Runtime&, int32_t hdc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  MoveToEx(handle<HDC>(hdc), x1, y1, nullptr);
  return LineTo(handle<HDC>(hdc), x2, y2);
}
int32_t rectangle(Runtime&, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b) {
  return Rectangle(handle<HDC>(hdc), l, t, r, b);
}
int32_t fill_rect(Runtime&, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t brush) {
  RECT rc{l, t, r, b};
  return FillRect(handle<HDC>(hdc), &rc, handle<HBRUSH>(brush));
}
int32_t round_rect(Runtime&, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t w, int32_t h) {
  return RoundRect(handle<HDC>(hdc), l, t, r, b, w, h);
}
int32_t ellipse(Runtime&, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b) {
  return Ellipse(handle<HDC>(hdc), l, t, r, b);
}
int32_t arc(Runtime&, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t x1, int32_t y1, int32_t x2,
            int32_t y2) {
  return Arc(handle<HDC>(hdc), l, t, r, b, x1, y1, x2, y2);
}
int32_t pie(Runtime&, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t x1, int32_t y1, int32_t x2,
            int32_t y2) {
  return Pie(handle<HDC>(hdc), l, t, r, b, x1, y1, x2, y2);
}
int32_t chord(Runtime&, int32_t hdc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t x1, int32_t y1, int32_t x2,
              int32_t y2) {
  return Chord(handle<HDC>(hdc), l, t, r, b, x1, y1, x2, y2);
}

// The Bmp's rows become a device-dependent bitmap copied to (x, y) at full
// size.  A 32-bit Bmp is described by its own bit count.
int32_t draw_bmp(Runtime&, int32_t hdc, int32_t x, int32_t y, BmpArg bmp) {
  screen::PixelView v;
  const BmpObj* b = bmp.bmp;
  if (!b || !screen::view_of(b->bit_count, b->width, b->height, b->data.data(), b->data.size(), v)) return 0;
  HDC dc = handle<HDC>(hdc);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = b->width;
  bi.bmiHeader.biHeight = b->height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = static_cast<WORD>(b->bit_count);
  bi.bmiHeader.biCompression = BI_RGB;
  HBITMAP ddb = CreateDIBitmap(dc, &bi.bmiHeader, CBM_INIT, b->data.data(), &bi, DIB_RGB_COLORS);
  if (!ddb) return 0;
  HDC mem = CreateCompatibleDC(dc);
  if (!mem) {
    DeleteObject(ddb);
    return 0;
  }
  HGDIOBJ old = SelectObject(mem, ddb);
  BitBlt(dc, x, y, b->width, b->height, mem, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(ddb);
  return 1;
}

}  // namespace quorin::draw
