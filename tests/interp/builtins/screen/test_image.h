// Pictures in memory for the search tests: bottom-up rows like a capture.
#pragma once
#include <cstdint>
#include <random>
#include <vector>

#include "builtins/screen/pixel_search.h"

namespace quorin::screen::testing {

struct TestImage {
  int w = 0, h = 0, bpp = 3, stride = 0;
  std::vector<uint8_t> data;
  TestImage(int width, int height, int bytes_per_pixel = 3) : w(width), h(height), bpp(bytes_per_pixel) {
    stride = static_cast<int>(row_stride(bpp * 8, w));
    // A canary byte value in the padding catches reads of it.
    data.assign(static_cast<size_t>(stride) * h, 0xA5);
  }
  uint8_t* at(int x, int y) { return data.data() + static_cast<size_t>(h - 1 - y) * stride + static_cast<size_t>(x) * bpp; }
  // colour as 0x00BBGGRR
  void set(int x, int y, uint32_t c) {
    uint8_t* p = at(x, y);
    p[0] = static_cast<uint8_t>(c >> 16);
    p[1] = static_cast<uint8_t>(c >> 8);
    p[2] = static_cast<uint8_t>(c);
    if (bpp == 4) p[3] = 0x77;
  }
  uint32_t get(int x, int y) {
    uint8_t* p = at(x, y);
    return p[2] | p[1] << 8 | p[0] << 16;
  }
  void rect(int x0, int y0, int rw, int rh, uint32_t c) {
    for (int y = y0; y < y0 + rh; ++y)
      for (int x = x0; x < x0 + rw; ++x) set(x, y, c);
  }
  void fill(uint32_t c) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) set(x, y, c);
  }
  // Random colours from a palette of `colours` (small palettes make many
  // partial matches).
  void randomise(std::mt19937& rng, int colours) {
    std::uniform_int_distribution<int> pick(0, colours - 1);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) set(x, y, static_cast<uint32_t>(pick(rng)) * 0x1F0D07u & 0xFFFFFF);
  }
  PixelView view() const { return PixelView{data.data(), w, h, stride, bpp}; }
  // A copy of the rectangle at (x, y), with `bytes_per_pixel` bytes a pixel.
  TestImage cut(int x, int y, int cw, int ch, int bytes_per_pixel = 3) {
    TestImage n(cw, ch, bytes_per_pixel);
    for (int r = 0; r < ch; ++r)
      for (int c = 0; c < cw; ++c) n.set(c, r, get(x + c, y + r));
    return n;
  }
};

}  // namespace quorin::screen::testing
