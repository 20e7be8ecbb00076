// Colour specifications of the colour counts: "^" for negation, entries
// "colour[-deviation]" separated by "|", colours as six hexadecimal digits
// red, green, blue with an optional "#".
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "builtins/screen/pixel_ranges.h"
#include "builtins/screen/pixel_search.h"

namespace quorin::screen {

// "#RRGGBB" or "RRGGBB" (either case) as 0x00BBGGRR; -1 for anything else.
int32_t parse_hex_colour(std::u16string_view text);

struct ColourSpec {
  bool negate = false;
  std::vector<ChannelRange> entries;  // each exact or a per-channel range

  // True when a pixel (blue, green, red bytes) counts.
  bool counts(const uint8_t* p) const;
};

// Parses a specification and widens it by the tolerance t (0: none).
ColourSpec parse_colour_spec(std::u16string_view text, int t);

// Number of counting pixels in the picture, stopping once `limit` is reached
// (a negative limit: no stop).
int64_t count_colours(const PixelView& img, const ColourSpec& spec, int64_t limit = -1);

// The vector path of the counts: "avx2" when the processor has it (checked
// at run time) and it is allowed, else "sse2" or "portable".  Tests switch
// AVX2 off to check the other path on the same machine.
const char* count_path();
void allow_avx2(bool allowed);

// The result of `screen_found_color_count` for an area that was scanned:
// n ≥ 1 asks for at least n counting pixels, n = 0 for none.
bool found_colour_count(const PixelView& img, const ColourSpec& spec, int32_t n);

}  // namespace quorin::screen
