#include "builtins/screen/pixel_search.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "test_image.h"
#include "runtime/search_pool.h"

namespace quorin::screen {
namespace {

using testing::TestImage;

struct Found {
  bool ok = false;
  int x = -1, y = -1;
  bool operator==(const Found&) const = default;
};

Found fast(const TestImage& hay, Area a, const TestImage& needle, int t, SearchPool* pool = nullptr, int threads = 1) {
  Found f;
  SearchOptions o;
  o.tolerance = t;
  o.pool = pool;
  o.threads = threads;
  f.ok = find_bmp(hay.view(), a, Needle(needle.view()), o, f.x, f.y);
  return f;
}

Found reference(const TestImage& hay, Area a, const TestImage& needle, int t) {
  Found f;
  f.ok = find_bmp_reference(hay.view(), a, needle.view(), t, f.x, f.y);
  return f;
}

TEST(PixelSearch, StrideClipToleranceAndRounding) {
  EXPECT_EQ(row_stride(24, 3), 12);
  EXPECT_EQ(row_stride(24, 4), 12);
  EXPECT_EQ(row_stride(32, 3), 12);
  EXPECT_EQ(row_stride(24, 1), 4);
  EXPECT_EQ(row_stride(24, 0x7FFFFFFF), -1);

  Area a{-5, 3, 10, -1};
  ASSERT_TRUE(clip_area(a, 100, 50));
  EXPECT_EQ(a.x, 0);  // the width is not reduced by the part cut off
  EXPECT_EQ(a.w, 10);
  EXPECT_EQ(a.h, 47);
  Area b{90, 0, 20, 5};
  ASSERT_TRUE(clip_area(b, 100, 50));
  EXPECT_EQ(b.w, 10);
  Area off{100, 0, 5, 5};
  EXPECT_FALSE(clip_area(off, 100, 50));
  Area huge{10, 10, 0x7FFFFFFF, 0x7FFFFFFF};
  ASSERT_TRUE(clip_area(huge, 100, 50));
  EXPECT_EQ(huge.w, 90);
  EXPECT_EQ(huge.h, 40);

  EXPECT_EQ(tolerance_of(0.9), 25);  // not 26
  EXPECT_EQ(tolerance_of(1.0), 0);
  EXPECT_EQ(tolerance_of(0.0), 0);
  EXPECT_EQ(tolerance_of(1.5), 0);
  EXPECT_EQ(tolerance_of(0.001), 254);

  EXPECT_EQ(round_049(151 / 1.5), 101);
  EXPECT_EQ(round_049(149 / 1.5), 99);
  EXPECT_EQ(round_049(0.49), 0);
  EXPECT_EQ(round_049(3.25), 3);
  EXPECT_EQ(round_049(10.5), 11);
  EXPECT_EQ(round_049(-10.7), -10);  // negative values never get the +1
}

TEST(PixelSearch, ViewRejectsDataShorterThanItsRows) {
  std::vector<uint8_t> d(24);
  PixelView v;
  EXPECT_TRUE(view_of(24, 3, 2, d.data(), d.size(), v));
  EXPECT_FALSE(view_of(24, 3, 3, d.data(), d.size(), v));
  EXPECT_FALSE(view_of(8, 3, 2, d.data(), d.size(), v));
  EXPECT_FALSE(view_of(24, 0, 2, d.data(), d.size(), v));
  EXPECT_FALSE(view_of(32, 0x40000000, 0x40000000, d.data(), d.size(), v));
}

TEST(PixelSearch, FindColourUpperThenLeft) {
  TestImage img(40, 30);
  img.fill(0x101010);
  img.set(30, 5, 0x0000FF);
  img.set(10, 20, 0x0000FF);
  img.set(12, 5, 0x0000FF);
  int x = 0, y = 0;
  ASSERT_TRUE(find_colour(img.view(), Area{0, 0, 40, 30}, 0x0000FF, x, y));
  EXPECT_EQ(x, 12);
  EXPECT_EQ(y, 5);
  ASSERT_TRUE(find_colour(img.view(), Area{13, 0, 27, 30}, 0x0000FF, x, y));
  EXPECT_EQ(x, 30);
  ASSERT_TRUE(find_colour(img.view(), Area{0, 6, 40, 24}, 0x0000FF, x, y));
  EXPECT_EQ(y, 20);
  EXPECT_FALSE(find_colour(img.view(), Area{0, 0, 40, 30}, 0x01000000 | 0x0000FF, x, y));
  // The last pixel of a row longer than one vector block.
  img.set(39, 29, 0x00FF00);
  ASSERT_TRUE(find_colour(img.view(), Area{0, 0, 40, 30}, 0x00FF00, x, y));
  EXPECT_EQ(x, 39);
  EXPECT_EQ(y, 29);
}

TEST(PixelSearch, NeedleAtEveryEdgeAndCorner) {
  std::mt19937 rng(7);
  TestImage hay(53, 37);
  hay.randomise(rng, 1 << 20);
  const int nw = 5, nh = 4;
  for (int y : {0, 10, 37 - nh})
    for (int x : {0, 17, 53 - nw}) {
      TestImage needle = hay.cut(x, y, nw, nh);
      Found f = fast(hay, Area{0, 0, 53, 37}, needle, 0);
      ASSERT_TRUE(f.ok);
      EXPECT_EQ(f, reference(hay, Area{0, 0, 53, 37}, needle, 0)) << x << "," << y;
      EXPECT_EQ(f.x, x);
      EXPECT_EQ(f.y, y);
    }
  // A 1 × 1 needle equal to the bottom-right pixel.
  TestImage one(1, 1);
  one.set(0, 0, hay.get(52, 36));
  Found f = fast(hay, Area{52, 36, 1, 1}, one, 0);
  EXPECT_TRUE(f.ok);
  EXPECT_EQ(f.x, 52);
  EXPECT_EQ(f.y, 36);
  // A needle larger than the area.
  EXPECT_FALSE(fast(hay, Area{0, 0, 4, 37}, hay.cut(0, 0, 5, 4), 0).ok);
}

// The fast scan against the straightforward one on random pictures with
// small palettes, needles cut from the haystack and spoiled in their last
// pixel, areas not starting at 0, 24- and 32-bit needles, with and without
// tolerance, on one thread and on the workers.
TEST(PixelSearch, MatchesReferenceOnRandomPictures) {
  std::mt19937 rng(12345);
  SearchPool pool(3);
  for (int round = 0; round < 400; ++round) {
    const int w = 8 + static_cast<int>(rng() % 60), h = 6 + static_cast<int>(rng() % 40);
    TestImage hay(w, h);
    hay.randomise(rng, 2 + static_cast<int>(rng() % 4));
    const int nw = 1 + static_cast<int>(rng() % 6), nh = 1 + static_cast<int>(rng() % 5);
    if (nw > w || nh > h) continue;
    const int x = static_cast<int>(rng() % (w - nw + 1)), y = static_cast<int>(rng() % (h - nh + 1));
    TestImage needle = hay.cut(x, y, nw, nh, rng() % 2 ? 4 : 3);
    if (rng() % 2) {
      const uint32_t c = needle.get(nw - 1, nh - 1);
      needle.set(nw - 1, nh - 1, c ^ (rng() % 2 ? 0x000001 : 0x300000));
    }
    const int t = rng() % 3 == 0 ? static_cast<int>(rng() % 40) : 0;
    Area a{static_cast<int>(rng() % 4), static_cast<int>(rng() % 3), 0, 0};
    a.w = w - a.x - static_cast<int>(rng() % 3);
    a.h = h - a.y - static_cast<int>(rng() % 2);
    const Found want = reference(hay, a, needle, t);
    EXPECT_EQ(fast(hay, a, needle, t), want) << "round " << round;
    EXPECT_EQ(fast(hay, a, needle, t, &pool, 2), want) << "round " << round;
    EXPECT_EQ(fast(hay, a, needle, t, &pool, 3), want) << "round " << round;
  }
}

// A flat background with a needle whose top-left pixel is that background:
// the first-pixel candidates are everywhere.
TEST(PixelSearch, FlatBackgroundNeedleFoundOnceInReadingOrder) {
  TestImage hay(300, 120);
  hay.fill(0xF0F0F0);
  auto stamp = [&](int x0, int y0, uint32_t ink) {
    for (int r = 0; r < 7; ++r)
      for (int c = 0; c < 9; ++c)
        if ((r + c) % 3 == 0 && r > 0 && c > 0) hay.set(x0 + c, y0 + r, ink);
  };
  stamp(200, 30, 0x202020);
  stamp(40, 90, 0x202020);
  stamp(250, 30, 0x202020);
  stamp(100, 60, 0x212121);  // a near miss
  TestImage needle = hay.cut(40, 90, 12, 10);
  SearchPool pool(2);
  for (int t : {0, 3}) {
    const Found want = reference(hay, Area{0, 0, 300, 120}, needle, t);
    ASSERT_TRUE(want.ok);
    EXPECT_EQ(fast(hay, Area{0, 0, 300, 120}, needle, t), want);
    EXPECT_EQ(fast(hay, Area{0, 0, 300, 120}, needle, t, &pool, 2), want);
  }
  EXPECT_EQ(reference(hay, Area{0, 0, 300, 120}, needle, 3).y, 30);  // the near miss at row 60 is lower
}

TEST(PixelSearch, ColumnMajorList) {
  TestImage img(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) img.set(x, y, static_cast<uint32_t>(x * 10 + y));
  int32_t out[6] = {};
  EXPECT_EQ(column_major_colours(img.view(), out, 6), 6u);
  EXPECT_EQ(std::vector<int32_t>(out, out + 6), (std::vector<int32_t>{0, 1, 10, 11, 20, 21}));
  int32_t small[4] = {-1, -1, -1, -1};
  EXPECT_EQ(column_major_colours(img.view(), small, 3), 3u);
  EXPECT_EQ(small[3], -1);  // never past the room given
  EXPECT_TRUE(colours_equal_column_major(img.view(), out, 6));
  EXPECT_FALSE(colours_equal_column_major(img.view(), out, 5));
  out[5] = 22;
  EXPECT_FALSE(colours_equal_column_major(img.view(), out, 6));
}

}  // namespace
}  // namespace quorin::screen

namespace quorin::screen {
namespace {

// Paused workers park (between rows, or before taking a part) while the
// caller's part goes on; the result is the sequential scan's, and resumed
// workers serve the next search.
TEST(PixelSearch, PausedWorkersParkAndTheResultStaysTheSame) {
  TestImage hay(300, 200);
  hay.fill(0);
  // Every 40 × 40 window holds a spoiling pixel, mostly well inside it, so
  // each candidate of the one-colour needle fails only after many rows.
  for (int y = 17; y < 200; y += 39)
    for (int x = 5; x < 300; x += 39) hay.set(x, y, 0x010101);
  hay.rect(200, 150, 40, 40, 0);  // windows without a spoiler: the match
  TestImage needle(40, 40);
  needle.fill(0);
  const Found want = fast(hay, Area{0, 0, 300, 200}, needle, 0);
  ASSERT_TRUE(want.ok);
  SearchPool pool(2);
  pool.pause();
  EXPECT_EQ(fast(hay, Area{0, 0, 300, 200}, needle, 0, &pool, 3), want);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (pool.parked() < 2 && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  EXPECT_EQ(pool.parked(), 2);
  pool.resume();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(fast(hay, Area{0, 0, 300, 200}, needle, 0, &pool, 3), want);
}

}  // namespace
}  // namespace quorin::screen
