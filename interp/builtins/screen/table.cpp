// Screen metrics and scaling, pixel colours, colour lists and counts, colour
// search, bitmap capture and bitmap search.  The builtins clip, capture once
// through the platform layer and hand the pixels to the searching core.
#include <cstring>

#include "builtins/screen/colour_pattern.h"
#include "builtins/screen/platform.h"
#include "builtins/screen/pixel_search.h"
#include "builtins/tables.h"
#include "runtime/bmp_object.h"
#include "runtime/native.h"
#include "runtime/search_pool.h"

namespace quorin {
namespace {

using screen::Area;
using screen::Metric;
using screen::PixelView;
using screen::Shot;
using IntRef = ByRef<tc::RefBase + tc::Int>;
using IntArray = ArrayArg<tc::ArrayBase + tc::Int>;

void put(IntRef r, int32_t v) { *static_cast<int32_t*>(r.addr) = v; }

// ---- metrics and scaling ----

#define QUORIN_METRIC(NAME, M) \
  int32_t NAME(Runtime& rt) { return screen::metric(rt, u"" #NAME, M); }
QUORIN_METRIC(screen_get_dpi, Metric::Dpi)
QUORIN_METRIC(screen_get_width, Metric::Width)
QUORIN_METRIC(screen_get_height, Metric::Height)
QUORIN_METRIC(screen_get_desktop_width, Metric::DesktopWidth)
QUORIN_METRIC(screen_get_desktop_height, Metric::DesktopHeight)
QUORIN_METRIC(screen_get_physical_width, Metric::PhysicalWidth)
QUORIN_METRIC(screen_get_physical_height, Metric::PhysicalHeight)
QUORIN_METRIC(screen_get_logical_width, Metric::LogicalWidth)
QUORIN_METRIC(screen_get_logical_height, Metric::LogicalHeight)
#undef QUORIN_METRIC

double screen_get_resolution_x_scale(Runtime& rt) { return rt.display_scaled ? rt.scale_x : 1.0; }
double screen_get_resolution_y_scale(Runtime& rt) { return rt.display_scaled ? rt.scale_y : 1.0; }

void screen_position_physical_to_logical(Runtime& rt, int32_t x, int32_t y, IntRef lx, IntRef ly) {
  if (rt.display_scaled) {
    x = screen::round_049(x / static_cast<double>(rt.scale_x));
    y = screen::round_049(y / static_cast<double>(rt.scale_y));
  }
  put(lx, x);
  put(ly, y);
}

void screen_position_logical_to_physical(Runtime& rt, int32_t x, int32_t y, IntRef px, IntRef py) {
  if (rt.display_scaled) {
    x = screen::round_049(x * static_cast<double>(rt.scale_x));
    y = screen::round_049(y * static_cast<double>(rt.scale_y));
  }
  put(px, x);
  put(py, y);
}

// ---- captures ----

// Clips an area against the physical screen; false when nothing is left.
bool clip_to_screen(Runtime& rt, const char16_t* name, Area& a) {
  const int W = screen::metric(rt, name, Metric::PhysicalWidth), H = screen::metric(rt, name, Metric::PhysicalHeight);
  return screen::clip_area(a, W, H);
}

// Clips an area against a window's client area; false when the handle is no
// window or nothing is left.
bool clip_to_client(Runtime& rt, const char16_t* name, int32_t hwnd, Area& a) {
  int W = 0, H = 0;
  if (!screen::client_size(rt, name, hwnd, W, H)) return false;
  return screen::clip_area(a, W, H);
}

int32_t read_colour_at(Runtime& rt, const char16_t* name, int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= screen::metric(rt, name, Metric::PhysicalWidth) ||
      y >= screen::metric(rt, name, Metric::PhysicalHeight))
    return -1;
  Shot s;
  if (!screen::grab_screen(rt, name, x, y, 1, 1, s)) return -1;
  return s.view.colour(0, 0);
}

int32_t screen_get_color_at(Runtime& rt, int32_t x, int32_t y) {
  return read_colour_at(rt, u"screen_get_color_at", x, y);
}

int32_t screen_get_color_for_mouse_over_at(Runtime& rt, int32_t x, int32_t y) {
  const char16_t* name = u"screen_get_color_for_mouse_over_at";
  int ox = 0, oy = 0;
  screen::cursor_position(rt, name, ox, oy);
  screen::move_mouse(rt, name, x + 1, y + 1);
  rt.control.sleep(10);
  screen::move_mouse(rt, name, x, y);
  rt.control.sleep(50);
  const int32_t c = read_colour_at(rt, name, x, y);
  screen::move_mouse(rt, name, ox, oy);
  return c;
}

void screen_get_colors(Runtime& rt, int32_t x, int32_t y, int32_t w, int32_t h, IntArray colours) {
  if (w <= 0 || h <= 0) return;
  Shot s;
  if (!screen::grab_screen(rt, u"screen_get_colors", x, y, w, h, s)) return;
  screen::column_major_colours(s.view, static_cast<int32_t*>(colours.array->data), colours.array->count);
}

int32_t screen_colors_equal(Runtime& rt, int32_t x, int32_t y, int32_t w, int32_t h, IntArray colours) {
  if (w < 1 || h < 1) return 0;
  Shot s;
  if (!screen::grab_screen(rt, u"screen_colors_equal", x, y, w, h, s)) return 0;
  return screen::colours_equal_column_major(s.view, static_cast<const int32_t*>(colours.array->data),
                                            colours.array->count);
}

// ---- colour counts ----

// The clipped capture of a count; false when the area is off screen.
bool count_shot(Runtime& rt, const char16_t* name, int32_t x, int32_t y, int32_t w, int32_t h, Shot& s) {
  Area a{x, y, w, h};
  if (!clip_to_screen(rt, name, a)) return false;
  return screen::grab_screen(rt, name, a.x, a.y, a.w, a.h, s);
}

int32_t screen_get_color_count_s(Runtime& rt, int32_t x, int32_t y, int32_t w, int32_t h, const Str& spec, double sim) {
  Shot s;
  if (!count_shot(rt, u"screen_get_color_count", x, y, w, h, s)) return 0;
  const screen::ColourSpec cs = screen::parse_colour_spec(spec.view(), screen::tolerance_of(sim));
  return static_cast<int32_t>(screen::count_colours(s.view, cs));
}
int32_t screen_get_color_count(Runtime& rt, int32_t x, int32_t y, int32_t w, int32_t h, const Str& spec) {
  return screen_get_color_count_s(rt, x, y, w, h, spec, 1.0);
}

int32_t screen_found_color_count_s(Runtime& rt, int32_t x, int32_t y, int32_t w, int32_t h, const Str& spec, int32_t n,
                                   double sim) {
  const screen::ColourSpec cs = screen::parse_colour_spec(spec.view(), screen::tolerance_of(sim));
  Shot s;
  if (cs.entries.empty() || !count_shot(rt, u"screen_found_color_count", x, y, w, h, s)) return n == 0;
  return screen::found_colour_count(s.view, cs, n);
}
int32_t screen_found_color_count(Runtime& rt, int32_t x, int32_t y, int32_t w, int32_t h, const Str& spec, int32_t n) {
  return screen_found_color_count_s(rt, x, y, w, h, spec, n, 1.0);
}

// ---- colour search ----

int32_t screen_find_color_from_area(Runtime& rt, int32_t x, int32_t y, int32_t w, int32_t h, int32_t colour, IntRef fx,
                                    IntRef fy) {
  const char16_t* name = u"screen_find_color_from_area";
  Area a{x, y, w, h};
  Shot s;
  if (!clip_to_screen(rt, name, a) || !screen::grab_screen(rt, name, a.x, a.y, a.w, a.h, s)) return 0;
  int cx = 0, cy = 0;
  if (!screen::find_colour(s.view, Area{0, 0, a.w, a.h}, colour, cx, cy)) return 0;
  put(fx, a.x + cx);
  put(fy, a.y + cy);
  return 1;
}

int32_t screen_find_color(Runtime& rt, int32_t colour, IntRef fx, IntRef fy) {
  return screen_find_color_from_area(rt, 0, 0, -1, -1, colour, fx, fy);
}

int32_t window_get_color_at(Runtime& rt, int32_t hwnd, int32_t x, int32_t y) {
  const char16_t* name = u"window_get_color_at";
  Area a{0, 0, -1, -1};
  Shot s;
  if (!clip_to_client(rt, name, hwnd, a) || !screen::grab_window(rt, name, hwnd, a, s)) return -1;
  if (x < 0 || y < 0 || x >= a.w || y >= a.h) return -1;
  return s.view.colour(x, y);
}

int32_t window_find_color_area(Runtime& rt, int32_t hwnd, int32_t colour, IntRef fx, IntRef fy, int32_t x, int32_t y,
                               int32_t w, int32_t h) {
  const char16_t* name = u"window_find_color";
  Area a{x, y, w, h};
  Shot s;
  if (!clip_to_client(rt, name, hwnd, a) || !screen::grab_window(rt, name, hwnd, a, s)) return 0;
  int cx = 0, cy = 0;
  if (!screen::find_colour(s.view, Area{0, 0, a.w, a.h}, colour, cx, cy)) return 0;
  put(fx, a.x + cx);
  put(fy, a.y + cy);
  return 1;
}
int32_t window_find_color(Runtime& rt, int32_t hwnd, int32_t colour, IntRef fx, IntRef fy) {
  return window_find_color_area(rt, hwnd, colour, fx, fy, 0, 0, -1, -1);
}
int32_t window_find_color_from(Runtime& rt, int32_t hwnd, int32_t colour, IntRef fx, IntRef fy, int32_t x, int32_t y) {
  return window_find_color_area(rt, hwnd, colour, fx, fy, x, y, -1, -1);
}

// ---- bitmap capture ----

ObjResult<tc::Bmp> bmp_of_shot(Runtime& rt, Shot* s) {
  BmpObj* b = obj_new<BmpObj>(rt.objects);
  if (s) {
    b->bit_count = 24;
    b->width = s->view.width;
    b->height = s->view.height;
    b->data = std::move(s->bytes);
  }
  return ObjResult<tc::Bmp>{b};
}

ObjResult<tc::Bmp> screen_get_bmp(Runtime& rt, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (w <= 0 || h <= 0) return bmp_of_shot(rt, nullptr);
  Shot s;
  if (!screen::grab_screen(rt, u"screen_get_bmp", x, y, w, h, s)) return bmp_of_shot(rt, nullptr);
  return bmp_of_shot(rt, &s);
}

ObjResult<tc::Bmp> window_get_bmp_area(Runtime& rt, int32_t hwnd, int32_t x, int32_t y, int32_t w, int32_t h) {
  const char16_t* name = u"window_get_bmp";
  Area a{x, y, w, h};
  Shot s;
  if (!clip_to_client(rt, name, hwnd, a) || !screen::grab_window(rt, name, hwnd, a, s)) return bmp_of_shot(rt, nullptr);
  return bmp_of_shot(rt, &s);
}
ObjResult<tc::Bmp> window_get_bmp(Runtime& rt, int32_t hwnd) { return window_get_bmp_area(rt, hwnd, 0, 0, -1, -1); }
ObjResult<tc::Bmp> window_get_bmp_from(Runtime& rt, int32_t hwnd, int32_t x, int32_t y) {
  return window_get_bmp_area(rt, hwnd, x, y, -1, -1);
}

// The checked view of a Bmp argument; false for an empty or inconsistent one.
bool view_of(const BmpObj* b, PixelView& v) {
  return b && screen::view_of(b->bit_count, b->width, b->height, b->data.data(), b->data.size(), v);
}

int32_t screen_bmp_equal(Runtime& rt, int32_t x, int32_t y, BmpArg bmp) {
  PixelView n;
  if (!view_of(bmp.bmp, n)) return 0;
  Shot s;
  if (!screen::grab_screen(rt, u"screen_bmp_equal", x, y, n.width, n.height, s)) return 0;
  for (int r = 0; r < n.height; ++r)
    for (int c = 0; c < n.width; ++c)
      if (std::memcmp(n.pixel(c, r), s.view.pixel(c, r), 3) != 0) return 0;
  return 1;
}

// ---- bitmap search ----

screen::SearchOptions options(Runtime& rt, double sim, int32_t threads) {
  screen::SearchOptions o;
  o.tolerance = screen::tolerance_of(sim);
  o.threads = threads;
  o.pool = rt.search_pool;
  return o;
}

// Searches a captured area; the result is written with the area's origin.
int32_t search_shot(Runtime& rt, const Shot& s, const Area& a, const PixelView& needle, double sim, int32_t threads,
                    IntRef fx, IntRef fy) {
  int cx = 0, cy = 0;
  if (!screen::find_bmp(s.view, Area{0, 0, a.w, a.h}, screen::Needle(needle), options(rt, sim, threads), cx, cy))
    return 0;
  put(fx, a.x + cx);
  put(fy, a.y + cy);
  return 1;
}

int32_t screen_find_bmp_from_area_st(Runtime& rt, int32_t x, int32_t y, int32_t w, int32_t h, BmpArg bmp, IntRef fx,
                                     IntRef fy, double sim, int32_t threads) {
  const char16_t* name = u"screen_find_bmp_from_area";
  PixelView needle;
  if (!view_of(bmp.bmp, needle)) return 0;
  Area a{x, y, w, h};
  if (!clip_to_screen(rt, name, a) || a.w < needle.width || a.h < needle.height) return 0;
  Shot s;
  if (!screen::grab_screen(rt, name, a.x, a.y, a.w, a.h, s)) return 0;
  return search_shot(rt, s, a, needle, sim, threads, fx, fy);
}
int32_t screen_find_bmp_from_area_s(Runtime& rt, int32_t x, int32_t y, int32_t w, int32_t h, BmpArg bmp, IntRef fx,
                                    IntRef fy, double sim) {
  return screen_find_bmp_from_area_st(rt, x, y, w, h, bmp, fx, fy, sim, 1);
}
int32_t screen_find_bmp_from_area(Runtime& rt, int32_t x, int32_t y, int32_t w, int32_t h, BmpArg bmp, IntRef fx,
                                  IntRef fy) {
  return screen_find_bmp_from_area_st(rt, x, y, w, h, bmp, fx, fy, 1.0, 1);
}
int32_t screen_find_bmp_st(Runtime& rt, BmpArg bmp, IntRef fx, IntRef fy, double sim, int32_t threads) {
  return screen_find_bmp_from_area_st(rt, 0, 0, -1, -1, bmp, fx, fy, sim, threads);
}
int32_t screen_find_bmp_s(Runtime& rt, BmpArg bmp, IntRef fx, IntRef fy, double sim) {
  return screen_find_bmp_from_area_st(rt, 0, 0, -1, -1, bmp, fx, fy, sim, 1);
}
int32_t screen_find_bmp(Runtime& rt, BmpArg bmp, IntRef fx, IntRef fy) {
  return screen_find_bmp_from_area_st(rt, 0, 0, -1, -1, bmp, fx, fy, 1.0, 1);
}

int32_t bmp_find_bmp_from_area_st(Runtime& rt, BmpArg hay, int32_t x, int32_t y, int32_t w, int32_t h, BmpArg bmp,
                                  IntRef fx, IntRef fy, double sim, int32_t threads) {
  PixelView needle, hv;
  if (!view_of(bmp.bmp, needle) || !view_of(hay.bmp, hv)) return 0;
  Area a{x, y, w, h};
  if (!screen::clip_area(a, hv.width, hv.height) || a.w < needle.width || a.h < needle.height) return 0;
  // A 32-bit haystack is searched through a 24-bit copy of its rows.
  std::vector<uint8_t> packed;
  if (hv.bytes_per_pixel != 3) {
    const size_t stride = static_cast<size_t>(screen::row_stride(24, hv.width));
    packed.assign(stride * static_cast<size_t>(hv.height), 0);
    for (int r = 0; r < hv.height; ++r) {
      uint8_t* out = packed.data() + static_cast<size_t>(hv.height - 1 - r) * stride;
      for (int c = 0; c < hv.width; ++c) std::memcpy(out + 3 * static_cast<size_t>(c), hv.pixel(c, r), 3);
    }
    hv = PixelView{packed.data(), hv.width, hv.height, static_cast<int>(stride), 3};
  }
  int cx = 0, cy = 0;
  if (!screen::find_bmp(hv, a, screen::Needle(needle), options(rt, sim, threads), cx, cy)) return 0;
  put(fx, cx);
  put(fy, cy);
  return 1;
}
int32_t bmp_find_bmp_from_area_s(Runtime& rt, BmpArg hay, int32_t x, int32_t y, int32_t w, int32_t h, BmpArg bmp,
                                 IntRef fx, IntRef fy, double sim) {
  return bmp_find_bmp_from_area_st(rt, hay, x, y, w, h, bmp, fx, fy, sim, 1);
}
int32_t bmp_find_bmp_from_area(Runtime& rt, BmpArg hay, int32_t x, int32_t y, int32_t w, int32_t h, BmpArg bmp,
                               IntRef fx, IntRef fy) {
  return bmp_find_bmp_from_area_st(rt, hay, x, y, w, h, bmp, fx, fy, 1.0, 1);
}
int32_t bmp_find_bmp_st(Runtime& rt, BmpArg hay, BmpArg bmp, IntRef fx, IntRef fy, double sim, int32_t threads) {
  return bmp_find_bmp_from_area_st(rt, hay, 0, 0, -1, -1, bmp, fx, fy, sim, threads);
}
int32_t bmp_find_bmp_s(Runtime& rt, BmpArg hay, BmpArg bmp, IntRef fx, IntRef fy, double sim) {
  return bmp_find_bmp_from_area_st(rt, hay, 0, 0, -1, -1, bmp, fx, fy, sim, 1);
}
int32_t bmp_find_bmp(Runtime& rt, BmpArg hay, BmpArg bmp, IntRef fx, IntRef fy) {
  return bmp_find_bmp_from_area_st(rt, hay, 0, 0, -1, -1, bmp, fx, fy, 1.0, 1);
}

int32_t window_find_bmp_stxywh(Runtime& rt, int32_t hwnd, BmpArg bmp, IntRef fx, IntRef fy, double sim,
                               int32_t threads, int32_t x, int32_t y, int32_t w, int32_t h) {
  const char16_t* name = u"window_find_bmp";
  PixelView needle;
  if (!view_of(bmp.bmp, needle)) return 0;
  Area a{x, y, w, h};
  if (!clip_to_client(rt, name, hwnd, a) || a.w < needle.width || a.h < needle.height) return 0;
  Shot s;
  if (!screen::grab_window(rt, name, hwnd, a, s)) return 0;
  return search_shot(rt, s, a, needle, sim, threads, fx, fy);
}
int32_t window_find_bmp_stxy(Runtime& rt, int32_t hwnd, BmpArg bmp, IntRef fx, IntRef fy, double sim, int32_t threads,
                             int32_t x, int32_t y) {
  return window_find_bmp_stxywh(rt, hwnd, bmp, fx, fy, sim, threads, x, y, -1, -1);
}
int32_t window_find_bmp_st(Runtime& rt, int32_t hwnd, BmpArg bmp, IntRef fx, IntRef fy, double sim, int32_t threads) {
  return window_find_bmp_stxywh(rt, hwnd, bmp, fx, fy, sim, threads, 0, 0, -1, -1);
}
int32_t window_find_bmp_s(Runtime& rt, int32_t hwnd, BmpArg bmp, IntRef fx, IntRef fy, double sim) {
  return window_find_bmp_stxywh(rt, hwnd, bmp, fx, fy, sim, 1, 0, 0, -1, -1);
}
int32_t window_find_bmp(Runtime& rt, int32_t hwnd, BmpArg bmp, IntRef fx, IntRef fy) {
  return window_find_bmp_stxywh(rt, hwnd, bmp, fx, fy, 1.0, 1, 0, 0, -1, -1);
}

constexpr BuiltinEntry kEntries[] = {
    // metrics and scaling
    builtin<&screen_get_dpi>(u"screen_get_dpi"),
    builtin<&screen_get_physical_width>(u"screen_get_physical_width"),
    builtin<&screen_get_physical_height>(u"screen_get_physical_height"),
    builtin<&screen_get_logical_width>(u"screen_get_logical_width"),
    builtin<&screen_get_logical_height>(u"screen_get_logical_height"),
    builtin<&screen_get_resolution_x_scale>(u"screen_get_resolution_x_scale"),
    builtin<&screen_get_resolution_y_scale>(u"screen_get_resolution_y_scale"),
    builtin<&screen_position_physical_to_logical>(u"screen_position_physical_to_logical"),
    builtin<&screen_position_logical_to_physical>(u"screen_position_logical_to_physical"),
    builtin<&screen_get_width>(u"screen_get_width"),
    builtin<&screen_get_height>(u"screen_get_height"),
    builtin<&screen_get_desktop_width>(u"screen_get_desktop_width"),
    builtin<&screen_get_desktop_height>(u"screen_get_desktop_height"),
    // pixel colours, lists and counts
    builtin<&screen_get_color_at>(u"screen_get_color_at"),
    builtin<&screen_get_color_for_mouse_over_at>(u"screen_get_color_for_mouse_over_at"),
    builtin<&screen_get_colors>(u"screen_get_colors"),
    builtin<&screen_colors_equal>(u"screen_colors_equal"),
    builtin<&screen_get_color_count>(u"screen_get_color_count"),
    builtin<&screen_get_color_count_s>(u"screen_get_color_count"),
    builtin<&screen_found_color_count>(u"screen_found_color_count"),
    builtin<&screen_found_color_count_s>(u"screen_found_color_count"),
    // colour search
    builtin<&screen_find_color>(u"screen_find_color"),
    builtin<&screen_find_color_from_area>(u"screen_find_color_from_area"),
    builtin<&window_get_color_at>(u"window_get_color_at"),
    builtin<&window_find_color>(u"window_find_color"),
    builtin<&window_find_color_from>(u"window_find_color"),
    builtin<&window_find_color_area>(u"window_find_color"),
    // bitmap capture
    builtin<&screen_get_bmp>(u"screen_get_bmp"),
    builtin<&screen_bmp_equal>(u"screen_bmp_equal"),
    builtin<&window_get_bmp>(u"window_get_bmp"),
    builtin<&window_get_bmp_from>(u"window_get_bmp"),
    builtin<&window_get_bmp_area>(u"window_get_bmp"),
    // bitmap search
    builtin<&screen_find_bmp>(u"screen_find_bmp"),
    builtin<&screen_find_bmp_s>(u"screen_find_bmp"),
    builtin<&screen_find_bmp_st>(u"screen_find_bmp"),
    builtin<&screen_find_bmp_from_area>(u"screen_find_bmp_from_area"),
    builtin<&screen_find_bmp_from_area_s>(u"screen_find_bmp_from_area"),
    builtin<&screen_find_bmp_from_area_st>(u"screen_find_bmp_from_area"),
    builtin<&bmp_find_bmp>(u"bmp_find_bmp"),
    builtin<&bmp_find_bmp_s>(u"bmp_find_bmp"),
    builtin<&bmp_find_bmp_st>(u"bmp_find_bmp"),
    builtin<&bmp_find_bmp_from_area>(u"bmp_find_bmp_from_area"),
    builtin<&bmp_find_bmp_from_area_s>(u"bmp_find_bmp_from_area"),
    builtin<&bmp_find_bmp_from_area_st>(u"bmp_find_bmp_from_area"),
    builtin<&window_find_bmp>(u"window_find_bmp"),
    builtin<&window_find_bmp_s>(u"window_find_bmp"),
    builtin<&window_find_bmp_st>(u"window_find_bmp"),
    builtin<&window_find_bmp_stxy>(u"window_find_bmp"),
    builtin<&window_find_bmp_stxywh>(u"window_find_bmp"),
};

}  // namespace

BuiltinTable screen_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
