#include "builtins/screen/pixel_search.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <climits>
#include <cmath>
#include <cstring>
#include <mutex>

#include "builtins/screen/pixel_ranges.h"
#include "runtime/search_pool.h"

namespace quorin::screen {

int64_t row_stride(int64_t bits, int64_t width) {
  if (bits < 0 || width < 0) return -1;
  const int64_t s = (bits * width / 8 + 3) / 4 * 4;
  return s > INT32_MAX ? -1 : s;
}

bool view_of(int bits, int width, int height, const uint8_t* data, size_t len, PixelView& out) {
  if ((bits != 24 && bits != 32) || width <= 0 || height <= 0 || !data) return false;
  const int64_t stride = row_stride(bits, width);
  if (stride < 0) return false;
  if (static_cast<uint64_t>(stride) * static_cast<uint64_t>(height) > len) return false;
  out = PixelView{data, width, height, static_cast<int>(stride), bits / 8};
  return true;
}

bool clip_area(Area& a, int W, int H) {
  if (a.x >= W || a.y >= H) return false;
  if (a.x < 0) a.x = 0;
  if (a.y < 0) a.y = 0;
  if (a.w <= 0 || static_cast<int64_t>(a.x) + a.w > W) a.w = W - a.x;
  if (a.h <= 0 || static_cast<int64_t>(a.y) + a.h > H) a.h = H - a.y;
  return a.w > 0 && a.h > 0;
}

int tolerance_of(double s) {
  if (!(s > 0 && s < 1)) return 0;
  return static_cast<int>((1 - s) * 255);
}

int32_t round_049(double q) {
  const double whole = std::trunc(q);
  double r = q - whole > 0.49 ? whole + 1 : whole;
  if (r >= 2147483647.0) return INT32_MAX;
  if (r <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(r);
}

const char* simd_path() {
#if QUORIN_PIXELS_SSE2
  return "sse2";
#else
  return "portable";
#endif
}

namespace {

// One colour (with its tolerance) tested against a run of pixels.
struct PixelFilter {
  ChannelRange range;
#if QUORIN_PIXELS_SSE2
  RangeVectors vec;
  explicit PixelFilter(const ChannelRange& r) : range(r), vec(r) {}
#else
  explicit PixelFilter(const ChannelRange& r) : range(r) {}
#endif

  // First column in [a, b] of a 24-bit row whose pixel passes, or -1.
  int first(const uint8_t* row, int a, int b) const {
    int k = a;
#if QUORIN_PIXELS_SSE2
    for (; k + 16 <= b + 1; k += 16) {
      const uint64_t hit = vec.pixels16(row + 3 * static_cast<size_t>(k));
      if (hit) return k + std::countr_zero(hit) / 3;
    }
#endif
    for (; k <= b; ++k)
      if (range.test(row + 3 * static_cast<size_t>(k))) return k;
    return -1;
  }
};

inline uint32_t packed_colour(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16; }

int max_channel_diff(uint32_t a, uint32_t b) {
  int d = 0;
  for (int s = 0; s < 24; s += 8) d = std::max(d, std::abs(static_cast<int>((a >> s) & 255) - static_cast<int>((b >> s) & 255)));
  return d;
}

// Byte-wise comparison of n packed bytes within tolerance t.
bool bytes_within(const uint8_t* a, const uint8_t* b, size_t n, int t) {
  size_t i = 0;
#if QUORIN_PIXELS_SSE2
  const __m128i tv = _mm_set1_epi8(static_cast<char>(t));
  const __m128i zero = _mm_setzero_si128();
  for (; i + 16 <= n; i += 16) {
    __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
    __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
    __m128i d = _mm_or_si128(_mm_subs_epu8(x, y), _mm_subs_epu8(y, x));
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_subs_epu8(d, tv), zero)) != 0xFFFF) return false;
  }
#endif
  for (; i < n; ++i)
    if (std::abs(static_cast<int>(a[i]) - static_cast<int>(b[i])) > t) return false;
  return true;
}

}  // namespace

bool find_colour(const PixelView& img, const Area& area, int32_t colour, int& fx, int& fy) {
  if (colour & ~0xFFFFFF) return false;  // no pixel has bits above 23
  const PixelFilter f(ChannelRange::around(static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                                           static_cast<uint8_t>(colour), 0));
  for (int r = area.y; r < area.y + area.h; ++r) {
    const int k = f.first(img.row(r), area.x, area.x + area.w - 1);
    if (k >= 0) {
      fx = k;
      fy = r;
      return true;
    }
  }
  return false;
}

Needle::Needle(const PixelView& bmp) : w_(bmp.width), h_(bmp.height) {
  packed_.resize(static_cast<size_t>(w_) * static_cast<size_t>(h_) * 3);
  uint8_t* out = packed_.data();
  for (int r = 0; r < h_; ++r) {
    const uint8_t* p = bmp.row(r);
    if (bmp.bytes_per_pixel == 3) {
      std::memcpy(out, p, static_cast<size_t>(w_) * 3);
      out += static_cast<size_t>(w_) * 3;
    } else {
      for (int c = 0; c < w_; ++c, p += bmp.bytes_per_pixel, out += 3) std::memcpy(out, p, 3);
    }
  }
  // The filter pixel: a colour rare in the needle and far from its most
  // common one (the background a needle usually shares with its
  // surroundings), so that few candidates pass the first test.
  const size_t total = static_cast<size_t>(w_) * static_cast<size_t>(h_);
  const size_t step = std::max<size_t>(1, total / 4096);
  std::vector<uint32_t> sample;
  sample.reserve(total / step + 1);
  for (size_t i = 0; i < total; i += step) sample.push_back(packed_colour(packed_.data() + 3 * i));
  std::sort(sample.begin(), sample.end());
  struct Run {
    uint32_t colour;
    size_t count;
  };
  std::vector<Run> runs;
  for (size_t i = 0; i < sample.size();) {
    size_t j = i;
    while (j < sample.size() && sample[j] == sample[i]) ++j;
    runs.push_back({sample[i], j - i});
    i = j;
  }
  const Run common = *std::max_element(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.count < b.count; });
  const Run* best = &common;
  for (const Run& r : runs) {
    const int d = max_channel_diff(r.colour, common.colour), bd = max_channel_diff(best->colour, common.colour);
    const bool far = d > 0, best_far = bd > 0;
    if (far != best_far ? far : (r.count != best->count ? r.count < best->count : d > bd)) best = &r;
  }
  // The second pixel: the most common colour when it differs from the
  // first, else any other colour (a one-colour needle filters on one).
  uint32_t second = common.colour;
  if (second == best->colour)
    for (const Run& r : runs)
      if (r.colour != best->colour) {
        second = r.colour;
        break;
      }
  bool got[2] = {false, false};
  for (size_t i = 0; i < total && !(got[0] && got[1]); ++i) {
    const uint32_t c = packed_colour(packed_.data() + 3 * i);
    for (int k = 0; k < 2; ++k)
      if (!got[k] && c == (k == 0 ? best->colour : second)) {
        got[k] = true;
        fx_[k] = static_cast<int>(i % static_cast<size_t>(w_));
        fy_[k] = static_cast<int>(i / static_cast<size_t>(w_));
      }
  }
  if (!got[1]) {
    fx_[1] = fx_[0];
    fy_[1] = fy_[0];
  }
}

bool match_at(const PixelView& hay, const Needle& n, int cx, int cy, int t) {
  const size_t bytes = static_cast<size_t>(n.width()) * 3;
  for (int r = 0; r < n.height(); ++r) {
    const uint8_t* h = hay.pixel(cx, cy + r);
    if (t == 0 ? std::memcmp(h, n.row(r), bytes) != 0 : !bytes_within(h, n.row(r), bytes, t)) return false;
  }
  return true;
}

namespace {

ChannelRange range_of(const uint8_t* p, int t) { return ChannelRange::around(p[0], p[1], p[2], t); }

struct Scan {
  const PixelView& hay;
  const Needle& needle;
  int t;
  int left, last_col;  // candidate columns left..last_col
  ChannelRange first, second;
#if QUORIN_PIXELS_SSE2
  RangeVectors first_v, second_v;
#endif

  Scan(const PixelView& h, const Area& a, const Needle& n, int tol)
      : hay(h), needle(n), t(tol), left(a.x), last_col(a.x + a.w - n.width()),
        first(range_of(n.filter_pixel(0), tol)), second(range_of(n.filter_pixel(1), tol))
#if QUORIN_PIXELS_SSE2
        , first_v(first), second_v(second)
#endif
  {}

  // Left-most matching column of candidate row `cy`, or -1.  Column k of
  // the candidates reads the filter pixels at k + their needle columns.
  int row(int cy) const {
    const uint8_t* r1 = hay.row(cy + needle.filter_y(0)) + 3 * static_cast<size_t>(needle.filter_x(0));
    const uint8_t* r2 = hay.row(cy + needle.filter_y(1)) + 3 * static_cast<size_t>(needle.filter_x(1));
    int k = left;
#if QUORIN_PIXELS_SSE2
    for (; k + 16 <= last_col + 1; k += 16) {
      uint64_t m = first_v.pixels16(r1 + 3 * static_cast<size_t>(k));
      if (!m) continue;
      m &= second_v.pixels16(r2 + 3 * static_cast<size_t>(k));
      for (; m; m &= m - 1) {
        const int cx = k + std::countr_zero(m) / 3;
        if (match_at(hay, needle, cx, cy, t)) return cx;
      }
    }
#endif
    for (; k <= last_col; ++k)
      if (first.test(r1 + 3 * static_cast<size_t>(k)) && second.test(r2 + 3 * static_cast<size_t>(k)) &&
          match_at(hay, needle, k, cy, t))
        return k;
    return -1;
  }
};

}  // namespace

bool find_bmp(const PixelView& hay, const Area& area, const Needle& needle, const SearchOptions& opt, int& fx,
              int& fy) {
  if (hay.bytes_per_pixel != 3 || needle.width() <= 0 || needle.height() <= 0) return false;
  if (area.w < needle.width() || area.h < needle.height()) return false;
  const Scan scan(hay, area, needle, opt.tolerance);
  const int rows = area.h - needle.height() + 1;
  // The threads argument is capped at the workers (plus the caller).
  int threads = opt.pool ? std::min(opt.threads, opt.pool->count() + 1) : 1;
  if (threads < 2 || rows <= threads) {
    for (int r = 0; r < rows; ++r) {
      const int c = scan.row(area.y + r);
      if (c >= 0) {
        fx = c;
        fy = area.y + r;
        return true;
      }
    }
    return false;
  }
  // Rows are dealt out one at a time from a shared counter to the caller
  // and the workers; a part stops once the rows left lie below the best
  // match found so far, so the first match in reading order wins without a
  // second pass.  The caller scans too: a worker that wakes late finds the
  // rows taken and the result is the same.
  std::atomic<int> next{0};
  std::atomic<int> best_row{INT_MAX};
  int best_col = -1;
  std::mutex lock;
  SearchPool& pool = *opt.pool;
  std::function<void(int)> body = [&](int part) {
    for (int r = next.fetch_add(1); r < rows && r < best_row.load(std::memory_order_relaxed); r = next.fetch_add(1)) {
      if (part != 0) pool.checkpoint();  // workers park here while paused
      const int c = scan.row(area.y + r);
      if (c >= 0) {
        std::lock_guard<std::mutex> g(lock);
        if (r < best_row.load()) {
          best_row.store(r);
          best_col = c;
        }
        return;
      }
    }
  };
  pool.run(threads, body);
  if (best_col < 0) return false;
  fx = best_col;
  fy = area.y + best_row.load();
  return true;
}

bool find_bmp_reference(const PixelView& hay, const Area& area, const PixelView& needle, int t, int& fx, int& fy) {
  if (area.w < needle.width || area.h < needle.height) return false;
  for (int cy = area.y; cy + needle.height <= area.y + area.h; ++cy) {
    for (int cx = area.x; cx + needle.width <= area.x + area.w; ++cx) {
      bool ok = true;
      for (int r = 0; r < needle.height && ok; ++r) {
        for (int c = 0; c < needle.width; ++c) {
          const uint8_t* n = needle.pixel(c, r);
          const uint8_t* h = hay.pixel(cx + c, cy + r);
          bool same = t == 0 ? (n[0] == h[0] && n[1] == h[1] && n[2] == h[2])
                             : (std::abs(n[0] - h[0]) <= t && std::abs(n[1] - h[1]) <= t && std::abs(n[2] - h[2]) <= t);
          if (!same) {
            ok = false;
            break;
          }
        }
      }
      if (ok) {
        fx = cx;
        fy = cy;
        return true;
      }
    }
  }
  return false;
}

size_t column_major_colours(const PixelView& img, int32_t* out, size_t room) {
  size_t n = 0;
  for (int c = 0; c < img.width; ++c)
    for (int r = 0; r < img.height; ++r) {
      if (n == room) return n;
      out[n++] = img.colour(c, r);
    }
  return n;
}

bool colours_equal_column_major(const PixelView& img, const int32_t* list, size_t count) {
  size_t n = 0;
  for (int c = 0; c < img.width; ++c)
    for (int r = 0; r < img.height; ++r) {
      if (n == count || list[n++] != img.colour(c, r)) return false;
    }
  return true;
}

}  // namespace quorin::screen
