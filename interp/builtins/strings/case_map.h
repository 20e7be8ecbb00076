// Case mapping of script text, one UTF-16 unit at a time.
//
// Scripts run under the Chinese (Simplified) locale, whose case mapping is
// the simple (one character to one character) mapping of the scripts such a
// system deals with.  The tables below are ours, so both targets agree:
//  - ASCII, Latin-1, Latin Extended-A and -B (the pinyin letters ǎ ǒ ǚ …),
//    Latin Extended Additional;
//  - Greek and Coptic, Cyrillic and its supplement;
//  - Roman numerals Ⅰ–Ⅿ ⇄ ⅰ–ⅿ, circled letters Ⓐ–Ⓩ ⇄ ⓐ–ⓩ, and the
//    full-width letters Ａ–Ｚ ⇄ ａ–ｚ.
// Only pairs that map onto each other both ways are included, plus final
// sigma ς → Σ.  Mappings that would turn a non-ASCII letter into an ASCII one
// (dotted İ, dotless ı, long ſ, the Kelvin and Ångström signs), titlecase
// digraphs and characters outside the basic plane stay as they are; the
// length of a text never changes.
#pragma once
#include <string_view>

#include "runtime/str.h"

namespace quorin {

char16_t lower_unit(char16_t c);
char16_t upper_unit(char16_t c);

Str lower_text(const Str& s);
Str upper_text(const Str& s);

}  // namespace quorin
