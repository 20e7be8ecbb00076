#include "builtins/screen/colour_spec.h"

#include <bit>

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

int64_t count_colours(const PixelView& img, const ColourSpec& spec, int64_t limit) {
  if (spec.entries.empty()) return 0;
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
