// Timings of the searching core against the straightforward scan, printed as
// a table (best of several runs, milliseconds):
//
//   build/release/bin/screen_search_bench [runs]
//
// Cases: a full-HD random haystack with a 32 × 32 needle that is absent (the
// full scan) and one found near the bottom right, exact and at similarity
// 0.9, on one thread and on two search workers; a screen-like haystack
// (large flat areas, a needle whose top-left pixel is the background); the
// colour count of a three-entry specification.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "builtins/screen/colour_pattern.h"
#include "builtins/screen/pixel_search.h"
#include "runtime/search_pool.h"

using namespace quorin;
using namespace quorin::screen;

namespace {

struct Picture {
  int w, h, bpp, stride;
  std::vector<uint8_t> data;
  Picture(int width, int height, int bytes = 3) : w(width), h(height), bpp(bytes) {
    stride = static_cast<int>(row_stride(bpp * 8, w));
    data.assign(static_cast<size_t>(stride) * h, 0);
  }
  uint8_t* at(int x, int y) { return data.data() + static_cast<size_t>(h - 1 - y) * stride + static_cast<size_t>(x) * bpp; }
  void set(int x, int y, uint32_t bgr) {
    uint8_t* p = at(x, y);
    p[0] = static_cast<uint8_t>(bgr >> 16);
    p[1] = static_cast<uint8_t>(bgr >> 8);
    p[2] = static_cast<uint8_t>(bgr);
  }
  uint32_t get(int x, int y) {
    uint8_t* p = at(x, y);
    return p[2] | p[1] << 8 | p[0] << 16;
  }
  void rect(int x0, int y0, int rw, int rh, uint32_t c) {
    for (int y = y0; y < std::min(h, y0 + rh); ++y)
      for (int x = x0; x < std::min(w, x0 + rw); ++x) set(x, y, c);
  }
  Picture cut(int x0, int y0, int cw, int ch) {
    Picture n(cw, ch);
    for (int y = 0; y < ch; ++y)
      for (int x = 0; x < cw; ++x) n.set(x, y, get(x0 + x, y0 + y));
    return n;
  }
  PixelView view() const { return PixelView{data.data(), w, h, stride, bpp}; }
};

double best_ms(int runs, const std::function<void()>& f) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    auto t0 = std::chrono::steady_clock::now();
    f();
    auto t1 = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  return best;
}

struct Row {
  std::string name;
  double ours1, ours2, ref;
  bool same;
};

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
  std::mt19937 rng(2024);
  SearchPool pool(2);  // this machine gets none by the start-up rule
  std::vector<Row> rows;

  auto bench = [&](const std::string& name, const Picture& hay, const Picture& needle, int t) {
    const Area all{0, 0, hay.w, hay.h};
    const Needle prepared(needle.view());
    int x1 = -1, y1 = -1, x2 = -1, y2 = -1, xr = -1, yr = -1;
    bool f1 = false, f2 = false, fr = false;
    SearchOptions one;
    one.tolerance = t;
    SearchOptions two = one;
    two.pool = &pool;
    two.threads = 2;
    Row r;
    r.name = name;
    r.ours1 = best_ms(runs, [&] { f1 = find_bmp(hay.view(), all, Needle(needle.view()), one, x1, y1); });
    r.ours2 = best_ms(runs, [&] { f2 = find_bmp(hay.view(), all, Needle(needle.view()), two, x2, y2); });
    r.ref = best_ms(std::max(1, runs / 10), [&] { fr = find_bmp_reference(hay.view(), all, needle.view(), t, xr, yr); });
    r.same = f1 == fr && f2 == fr && (!fr || (x1 == xr && y1 == yr && x2 == xr && y2 == yr));
    std::printf("  %-44s found=%d at (%d, %d)\n", name.c_str(), fr ? 1 : 0, xr, yr);
    rows.push_back(r);
  };

  // Random full-HD haystack.
  Picture hay(1920, 1080);
  for (auto& b : hay.data) b = static_cast<uint8_t>(rng());
  Picture present = hay.cut(1850, 1010, 32, 32);
  Picture absent = present;
  absent.set(31, 31, absent.get(31, 31) ^ 0x808080);  // differs only in its last pixel
  std::printf("SIMD path: search %s, counts %s, runs: %d\n", simd_path(), count_path(), runs);
  bench("random, 32x32 absent, exact", hay, absent, 0);
  bench("random, 32x32 near bottom right, exact", hay, present, 0);
  bench("random, 32x32 absent, similarity 0.9", hay, absent, tolerance_of(0.9));
  bench("random, 32x32 near bottom right, sim 0.9", hay, present, tolerance_of(0.9));

  // Screen-like: flat panels, a few lines of "text", icons.
  Picture screen(1920, 1080);
  screen.rect(0, 0, 1920, 1080, 0xF0F0F0);
  screen.rect(0, 0, 1920, 40, 0x303030);
  screen.rect(200, 100, 1500, 900, 0xFFFFFF);
  std::uniform_int_distribution<int> ink(0, 3);
  for (int line = 0; line < 40; ++line)
    for (int x = 220; x < 1600; ++x)
      for (int dy = 0; dy < 12; ++dy)
        if (((x * 7 + dy * 13 + line) % 11) < 3 && ink(rng)) screen.set(x, 130 + line * 20 + dy, 0x202020);
  for (int i = 0; i < 30; ++i) screen.rect(1750, 100 + i * 30, 24, 24, 0x3070C0 + static_cast<uint32_t>(i));
  // The needle: a button of background with a glyph, near the bottom right.
  screen.rect(1800, 1030, 32, 32, 0xF0F0F0);
  for (int k = 6; k < 26; ++k) {
    screen.set(1800 + k, 1030 + k, 0x202020);
    screen.set(1800 + 31 - k, 1030 + k, 0x202020);
  }
  Picture button = screen.cut(1800, 1030, 32, 32);
  Picture missing = button;
  missing.set(16, 16, 0x212121);
  bench("screen-like, 32x32 near bottom right, exact", screen, button, 0);
  bench("screen-like, 32x32 absent, exact", screen, missing, 0);
  bench("screen-like, 32x32 absent, similarity 0.9", screen, missing, tolerance_of(0.9));

  // Colour count over full HD, three entries.
  const ColourSpec spec = parse_colour_spec(u"202020|3070C0-0F0F0F|FFFFFF", 0);
  int64_t ours = 0, ref = 0;
  double count_ms = best_ms(runs, [&] { ours = count_colours(screen.view(), spec); });
  double count_ref = best_ms(std::max(1, runs / 10), [&] {
    ref = 0;
    PixelView v = screen.view();
    for (int x = 0; x < v.width; ++x)
      for (int y = 0; y < v.height; ++y) {
        const uint8_t* p = v.pixel(x, y);
        bool hit = false;
        for (const ChannelRange& e : spec.entries)
          if (p[0] >= e.lo[0] && p[0] <= e.hi[0] && p[1] >= e.lo[1] && p[1] <= e.hi[1] && p[2] >= e.lo[2] &&
              p[2] <= e.hi[2]) {
            hit = true;
            break;
          }
        ref += hit;
      }
  });

  std::printf("\n| case | ours, 1 thread (ms) | ours, 2 threads (ms) | reference (ms) | reference / ours | 1 / 2 threads | same result |\n");
  std::printf("|---|---:|---:|---:|---:|---:|---|\n");
  for (const Row& r : rows)
    std::printf("| %s | %.3f | %.3f | %.2f | %.1f× | %.2f× | %s |\n", r.name.c_str(), r.ours1, r.ours2, r.ref,
                r.ref / r.ours1, r.ours1 / r.ours2, r.same ? "yes" : "NO");
  std::printf("| colour count, 3 entries, full HD | %.3f | | %.2f | %.1f× | | %s |\n", count_ms, count_ref,
              count_ref / count_ms, ours == ref ? "yes" : "NO");
  bool ok = ours == ref;
  for (const Row& r : rows) ok = ok && r.same;
  return ok ? 0 : 1;
}
