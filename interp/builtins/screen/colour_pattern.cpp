#include "builtins/screen/colour_pattern.h"

#include <atomic>
#include <bit>

#if QUORIN_PIXELS_SSE2 && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define QUORIN_PIXELS_AVX2 1
#endif

namespace quorin::screen {

namespace {

bool is_blank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

std::u16string_view skip_blanks(std::u16string_view s) {
  size_t i = 0;
  while (i < s.size() && is_blank(s[i])) ++i;
  return s.substr(i);
}

int hex_digit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// Splits on `sep`, keeping the non-empty pieces with their leading blanks
// skipped.
std::vector<std::u16string_view> pieces(std::u16string_view s, char16_t sep) {
  std::vector<std::u16string_view> out;
  size_t start = 0;
  for (;;) {
    size_t end = s.find(sep, start);
    std::u16string_view part = skip_blanks(s.substr(start, end == std::u16string_view::npos ? s.npos : end - start));
    if (!part.empty()) out.push_back(part);
    if (end == std::u16string_view::npos) break;
    start = end + 1;
  }
  return out;
}

}  // namespace

int32_t parse_hex_colour(std::u16string_view text) {
  if (!text.empty() && text[0] == u'#') text.remove_prefix(1);
  if (text.size() != 6) return -1;
  int v[6];
  for (int i = 0; i < 6; ++i)
    if ((v[i] = hex_digit(text[static_cast<size_t>(i)])) < 0) return -1;
  const int r = v[0] * 16 + v[1], g = v[2] * 16 + v[3], b = v[4] * 16 + v[5];
  return r | g << 8 | b << 16;
}

ColourSpec parse_colour_spec(std::u16string_view text, int t) {
  ColourSpec spec;
  text = skip_blanks(text);
  if (!text.empty() && text[0] == u'^') {
    spec.negate = true;
    text.remove_prefix(1);
  }
  for (std::u16string_view entry : pieces(text, u'|')) {
    std::vector<std::u16string_view> parts = pieces(entry, u'-');
    if (parts.empty()) continue;
    const int32_t colour = parse_hex_colour(parts[0]);
    const int32_t dev = parts.size() > 1 ? parse_hex_colour(parts[1]) : 0;
    if (colour < 0 || dev < 0) continue;
    const uint8_t c[3] = {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                          static_cast<uint8_t>(colour)};
    const int d[3] = {(dev >> 16) & 255, (dev >> 8) & 255, dev & 255};
    ChannelRange r;
    for (int i = 0; i < 3; ++i) {
      // A range entry is widened by t on both sides; an exact one becomes
      // a range of ±t.
      const int lo = c[i] - d[i] - t, hi = c[i] + d[i] + t;
      r.lo[i] = static_cast<uint8_t>(lo < 0 ? 0 : lo);
      r.hi[i] = static_cast<uint8_t>(hi > 255 ? 255 : hi);
    }
    r.exact = dev == 0 && t == 0;
    spec.entries.push_back(r);
  }
  return spec;
}

bool ColourSpec::counts(const uint8_t* p) const {
  if (negate) {
    for (const ChannelRange& e : entries)
      if (!e.test(p)) return true;
    return false;
  }
  for (const ChannelRange& e : entries)
    if (e.test(p)) return true;
  return false;
}

namespace {

std::atomic<int> g_avx2_allowed{1};

#if QUORIN_PIXELS_AVX2
bool cpu_has_avx2() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return has;
}

// Thirty-two pixels (96 bytes, three 32-byte vectors) at a time.  Vector j
// holds bytes 32j..32j+31, whose channel is (32j + i) mod 3.
__attribute__((target("avx2"))) int64_t count_avx2(const PixelView& img, const ColourSpec& spec, int64_t limit) {
  // The patterns are kept as bytes and loaded unaligned: a vector of
  // 32-byte vectors would not be 32-byte aligned.
  const size_t ne = spec.entries.size();
  std::vector<uint8_t> lo(96 * ne), span(96 * ne);
  std::vector<char> exact(ne);
  for (size_t e = 0; e < ne; ++e) {
    const ChannelRange& c = spec.entries[e];
    for (int i = 0; i < 96; ++i) {
      lo[96 * e + i] = c.lo[i % 3];
      span[96 * e + i] = static_cast<uint8_t>(c.hi[i % 3] - c.lo[i % 3]);
    }
    exact[e] = c.exact;
  }
  int64_t n = 0;
  for (int r = 0; r < img.height; ++r) {
    const uint8_t* row = img.row(r);
    int k = 0;
    for (; k + 32 <= img.width; k += 32) {
      const uint8_t* p = row + 3 * static_cast<size_t>(k);
      __m256i v[3];
      for (int j = 0; j < 3; ++j) v[j] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32 * j));
      uint64_t acc_lo = spec.negate ? kPixelBits : 0, acc_hi = acc_lo;
      for (size_t e = 0; e < ne; ++e) {
        uint32_t m[3];
        for (int j = 0; j < 3; ++j) {
          const __m256i l = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&lo[96 * e + 32 * j]));
          __m256i in;
          if (exact[e]) {
            in = _mm256_cmpeq_epi8(v[j], l);
          } else {
            const __m256i sp = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&span[96 * e + 32 * j]));
            const __m256i x = _mm256_sub_epi8(v[j], l);
            in = _mm256_cmpeq_epi8(_mm256_min_epu8(x, sp), x);
          }
          m[j] = static_cast<uint32_t>(_mm256_movemask_epi8(in));
        }
        // Bytes 0..47 are pixels 0..15, bytes 48..95 pixels 16..31.
        const uint64_t first = pixels_of((m[0] | static_cast<uint64_t>(m[1]) << 32) & 0xFFFFFFFFFFFFULL);
        const uint64_t second = pixels_of(m[1] >> 16 | static_cast<uint64_t>(m[2]) << 16);
        if (spec.negate) {
          acc_lo &= first;
          acc_hi &= second;
        } else {
          acc_lo |= first;
          acc_hi |= second;
        }
      }
      if (spec.negate) {
        acc_lo = ~acc_lo & kPixelBits;
        acc_hi = ~acc_hi & kPixelBits;
      }
      n += pixel_count(acc_lo) + pixel_count(acc_hi);
    }
    for (; k < img.width; ++k)
      if (spec.counts(row + 3 * static_cast<size_t>(k))) ++n;
    if (limit >= 0 && n >= limit) return n;
  }
  return n;
}
#endif

}  // namespace

void allow_avx2(bool allowed) { g_avx2_allowed.store(allowed ? 1 : 0); }

const char* count_path() {
#if QUORIN_PIXELS_AVX2
  if (g_avx2_allowed.load() && cpu_has_avx2()) return "avx2";
#endif
#if QUORIN_PIXELS_SSE2
  return "sse2";
#else
  return "portable";
#endif
}

int64_t count_colours(const PixelView& img, const ColourSpec& spec, int64_t limit) {
  if (spec.entries.empty()) return 0;
#if QUORIN_PIXELS_AVX2
  if (img.bytes_per_pixel == 3 && g_avx2_allowed.load(std::memory_order_relaxed) && cpu_has_avx2())
    return count_avx2(img, spec, limit);
#endif
  int64_t n = 0;
#if QUORIN_PIXELS_SSE2
  std::vector<RangeVectors> vecs;
  if (img.bytes_per_pixel == 3)
    for (const ChannelRange& e : spec.entries) vecs.emplace_back(e);
#endif
  for (int r = 0; r < img.height; ++r) {
    const uint8_t* row = img.row(r);
    int k = 0;
#if QUORIN_PIXELS_SSE2
    if (img.bytes_per_pixel == 3) {
      for (; k + 16 <= img.width; k += 16) {
        __m128i px[3];
        RangeVectors::load(row + 3 * static_cast<size_t>(k), px);
        uint64_t m;
        if (spec.negate) {
          m = kPixelBits;
          for (const RangeVectors& v : vecs) m &= v.pixels16(px);
          m = ~m & kPixelBits;
        } else {
          m = 0;
          for (const RangeVectors& v : vecs) m |= v.pixels16(px);
        }
        n += pixel_count(m);
      }
    }
#endif
    for (; k < img.width; ++k)
      if (spec.counts(row + static_cast<size_t>(k) * img.bytes_per_pixel)) ++n;
    if (limit >= 0 && n >= limit) return n;
  }
  return n;
}

bool found_colour_count(const PixelView& img, const ColourSpec& spec, int32_t n) {
  if (n < 0) return false;
  if (spec.entries.empty()) return n == 0;
  const int64_t c = count_colours(img, spec, n == 0 ? 1 : n);
  return n == 0 ? c == 0 : c >= n;
}

}  // namespace quorin::screen
