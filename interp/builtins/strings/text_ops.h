// The pure text operations behind the string builtins: no run context, no
// errors.  Positions and lengths count UTF-16 units.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/str.h"

namespace quorin {

// Whitespace of the trim builtins and the numeric conversions: TAB, LF, CR
// and space, nothing else.
constexpr bool is_trim_space(char16_t c) { return c == 9 || c == 10 || c == 13 || c == 32; }
std::u16string_view trim_view(std::u16string_view s, bool left, bool right);

// Every non-overlapping occurrence of `from`, left to right, replaced in one
// pass.  An empty text or an empty `from` gives the text back.
Str replace_all(const Str& s, std::u16string_view from, std::u16string_view to);
Str replace_first_of(const Str& s, std::u16string_view from, std::u16string_view to);

// The pieces between non-overlapping occurrences of `sep`; the piece after
// the last one is always included ("" → one empty piece).  An empty `sep`
// cuts after every unit ("" → no pieces).
std::vector<Str> split_text(std::u16string_view s, std::u16string_view sep);

// "-"? digit (digit | ".")* with at most one ".".
bool is_numeric_text(std::u16string_view s);
// "-"? digit+.
bool is_int_text(std::u16string_view s);

// Leading integer of numeric text (sign, then digits up to the first
// non-digit), wrapping modulo 2^32 / 2^64 on overflow.
int32_t leading_int(std::u16string_view numeric);
int64_t leading_long(std::u16string_view numeric);
// Value of numeric text, correctly rounded; out of range gives ±infinity
// (too large) or ±0 (too small).
double numeric_double(std::u16string_view numeric);
float numeric_float(std::u16string_view numeric);

}  // namespace quorin
