// Per-channel range tests of packed 24-bit pixels (blue, green, red), one
// pixel at a time or sixteen at a time (48 bytes, three 16-byte vectors)
// where SSE2 is available.  A pixel passes when each of its three bytes lies
// in [lo, hi] of its channel; an exact colour is the range [c, c].
#pragma once
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#define QUORIN_PIXELS_SSE2 1
#endif

namespace quorin::screen {

// Bit 3k of a 48-bit mask stands for pixel k of a 16-pixel block.
constexpr uint64_t kPixelBits = 0x249249249249ULL;

// Reduces a 48-bit per-byte mask to one bit per pixel (bit 3k): set when all
// three bytes of pixel k passed.
inline uint64_t pixels_of(uint64_t bytes) { return bytes & (bytes >> 1) & (bytes >> 2) & kPixelBits; }

// Number of pixel bits (bit 3k) set in a 48-bit pixel mask, without a call
// to a software popcount on processors where that is not an instruction.
inline int pixel_count(uint64_t m) {
  // Gather the bits 3k of each 6-bit field into its low 2 bits, then sum.
  m = (m & 0x041041041041ULL) + ((m >> 3) & 0x041041041041ULL);
  return static_cast<int>((m * 0x041041041041ULL) >> 42 & 0x3F);
}

struct ChannelRange {
  uint8_t lo[3] = {0, 0, 0};  // blue, green, red
  uint8_t hi[3] = {0, 0, 0};
  bool exact = true;  // lo == hi

  static ChannelRange around(uint8_t b, uint8_t g, uint8_t r, int t) {
    ChannelRange c;
    const uint8_t v[3] = {b, g, r};
    for (int i = 0; i < 3; ++i) {
      c.lo[i] = static_cast<uint8_t>(v[i] > t ? v[i] - t : 0);
      c.hi[i] = static_cast<uint8_t>(v[i] + t < 255 ? v[i] + t : 255);
    }
    c.exact = t == 0;
    return c;
  }
  bool test(const uint8_t* p) const {
    return p[0] >= lo[0] && p[0] <= hi[0] && p[1] >= lo[1] && p[1] <= hi[1] && p[2] >= lo[2] && p[2] <= hi[2];
  }
};

#if QUORIN_PIXELS_SSE2
// The range laid out over a 48-byte block: vector j holds bytes 16j..16j+15,
// whose channel is (16j + i) mod 3.  A byte x lies in [lo, hi] when
// (x - lo) mod 256 ≤ hi - lo.
struct RangeVectors {
  __m128i lo[3], span[3];
  bool exact = true;
  explicit RangeVectors(const ChannelRange& c) : exact(c.exact) {
    alignas(16) uint8_t l[48], s[48];
    for (int i = 0; i < 48; ++i) {
      l[i] = c.lo[i % 3];
      s[i] = static_cast<uint8_t>(c.hi[i % 3] - c.lo[i % 3]);
    }
    for (int j = 0; j < 3; ++j) {
      lo[j] = _mm_load_si128(reinterpret_cast<const __m128i*>(l + 16 * j));
      span[j] = _mm_load_si128(reinterpret_cast<const __m128i*>(s + 16 * j));
    }
  }
  static void load(const uint8_t* p, __m128i v[3]) {
    for (int j = 0; j < 3; ++j) v[j] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * j));
  }
  // 48-bit per-byte pass mask of 16 loaded pixels.
  uint64_t bytes16(const __m128i v[3]) const {
    uint64_t m = 0;
    for (int j = 0; j < 3; ++j) {
      __m128i in;
      if (exact) {
        in = _mm_cmpeq_epi8(v[j], lo[j]);
      } else {
        const __m128i x = _mm_sub_epi8(v[j], lo[j]);
        in = _mm_cmpeq_epi8(_mm_min_epu8(x, span[j]), x);
      }
      m |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(in))) << (16 * j);
    }
    return m;
  }
  uint64_t pixels16(const __m128i v[3]) const { return pixels_of(bytes16(v)); }
  uint64_t pixels16(const uint8_t* p) const {
    __m128i v[3];
    load(p, v);
    return pixels16(v);
  }
};
#endif

}  // namespace quorin::screen
