// The searching core of the screen and bitmap builtins: rectangle clipping,
// the similarity tolerance, colour and bitmap search over 24-bit pixel rows,
// and the column-major colour list.  It works on pixels in memory only, so
// the same code serves screen captures, window captures and Bmp values on
// every platform.
//
// Pixel rows are bottom-up as in device-independent bitmaps: memory row 0 is
// the picture's bottom row.  Every coordinate here is top-down (row 0 is the
// top row), as the scripts see them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorin {
class SearchPool;
}

namespace quorin::screen {

// Bytes of one row: bits × width / 8 rounded up to a multiple of 4; -1 when
// that does not fit an int.
int64_t row_stride(int64_t bits, int64_t width);

// A picture in memory: `bytes_per_pixel` (3 or 4) bytes blue, green, red
// (and one ignored byte) per pixel, bottom-up rows `stride` bytes apart.
struct PixelView {
  const uint8_t* data = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  int bytes_per_pixel = 3;
  const uint8_t* row(int top_row) const {
    return data + static_cast<size_t>(height - 1 - top_row) * static_cast<size_t>(stride);
  }
  const uint8_t* pixel(int x, int top_row) const { return row(top_row) + static_cast<size_t>(x) * bytes_per_pixel; }
  // The colour int 0x00BBGGRR of a pixel.
  int32_t colour(int x, int top_row) const {
    const uint8_t* p = pixel(x, top_row);
    return p[2] | p[1] << 8 | p[0] << 16;
  }
};

// A view of a Bmp's fields, checked: false when the data does not hold the
// rows that its bit count, width and height promise, or the bit count is not
// one of 24 and 32.
bool view_of(int bits, int width, int height, const uint8_t* data, size_t len, PixelView& out);

struct Area {
  int x = 0, y = 0, w = 0, h = 0;
};

// The clipping rule against a W × H picture: false when nothing is left to
// search (the origin lies at or beyond the right or bottom edge); otherwise a
// negative origin becomes 0 (the size is not reduced) and a size ≤ 0 or one
// reaching past the edge is cut to the edge.
bool clip_area(Area& a, int W, int H);

// The tolerance of a similarity: trunc((1 - s) × 255) for 0 < s < 1, else 0.
int tolerance_of(double similarity);

// The 0.49 rounding rule of the position conversions: q = v / factor (or
// v × factor), trunc(q) + 1 when the fraction exceeds 0.49, else trunc(q).
int32_t round_049(double q);

// ---- colour search ----

// First pixel of the area equal to the colour, rows from the top and columns
// from the left; the position is in the view's coordinates.
bool find_colour(const PixelView& img, const Area& area, int32_t colour, int& fx, int& fy);

// ---- bitmap search ----

// A needle prepared for searching: packed top-down 24-bit rows and the two
// pixels used to filter candidates (a rare colour, and one of another
// colour), tested on sixteen candidates at a time before the full match.
class Needle {
 public:
  explicit Needle(const PixelView& bmp);
  int width() const { return w_; }
  int height() const { return h_; }
  const uint8_t* row(int r) const { return packed_.data() + static_cast<size_t>(r) * static_cast<size_t>(w_) * 3; }
  int filter_x(int i) const { return fx_[i]; }
  int filter_y(int i) const { return fy_[i]; }
  const uint8_t* filter_pixel(int i) const { return row(fy_[i]) + 3 * static_cast<size_t>(fx_[i]); }

 private:
  int w_, h_;
  std::vector<uint8_t> packed_;
  int fx_[2] = {0, 0}, fy_[2] = {0, 0};
};

// True when the needle matches with its top-left corner at (cx, cy):
// every channel equal (t = 0) or differing by at most t.
bool match_at(const PixelView& hay, const Needle& n, int cx, int cy, int t);

struct SearchOptions {
  int tolerance = 0;
  int threads = 1;              // capped at the pool's worker count
  SearchPool* pool = nullptr;   // the search workers, or none
};

// The first position in reading order (top-most row, left-most column in
// it) where the needle lies inside the area and matches; the position is in
// the view's coordinates.  The parallel form returns the same position.
bool find_bmp(const PixelView& hay, const Area& area, const Needle& needle, const SearchOptions& opt, int& fx,
              int& fy);

// The straightforward scan of every candidate and pixel in order, for tests
// and comparison.
bool find_bmp_reference(const PixelView& hay, const Area& area, const PixelView& needle, int t, int& fx, int& fy);

// ---- column-major colour list ----

// Writes up to `room` colours of the w × h picture, column by column from
// the left, each column from the top; returns the number written.
size_t column_major_colours(const PixelView& img, int32_t* out, size_t room);

// True when the picture's colours equal the list in column-major order (a
// list shorter than the picture differs).
bool colours_equal_column_major(const PixelView& img, const int32_t* list, size_t count);

// Which SIMD path the searches take ("sse2" or "portable").
const char* simd_path();

}  // namespace quorin::screen
