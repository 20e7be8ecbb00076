// Scanning rules shared by every statement and expression parser.  The
// compiler reads the UTF-16 text in place with a cursor; statements end at
// the end of their line.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace quorin {

inline bool is_blank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r'; }
inline bool is_ascii_letter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
inline bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }
inline bool is_name_char(char16_t c) { return is_ascii_letter(c) || is_digit(c) || c == u'_'; }

// Skips spaces and tabs (and carriage returns); a `#` comment is skipped up
// to, not over, the line feed.
void skip_blanks(const char16_t*& p);
// Skips tabs, spaces, carriage returns and line feeds, counting line feeds.
void skip_space_and_lines(const char16_t*& p, int32_t& line);
// Skips blanks and a comment; true when the cursor then stands on a line
// feed or the end of the text.
bool at_statement_end(const char16_t*& p);
// Moves past the next line feed (counting it).
void skip_line(const char16_t*& p, int32_t& line);
// The first word of a statement: from the first non-blank character up to a
// tab, space, `#`, `(`, `[`, `<`, `=`, CR, LF or the end.  Does not move p.
std::u16string_view peek_word(const char16_t* p);
// Letters, digits and `_` from p (p not moved).
std::u16string_view peek_name(const char16_t* p);
bool is_identifier(std::u16string_view s);

struct Literal {
  TypeCode type = tc::None;
  Payload value{.bits = 0};
  std::u16string text;  // string literals
  std::u16string error;  // non-empty: the literal is malformed
};

// Numeric literal at p (p stands on a digit); p moves past it.
Literal read_number(const char16_t*& p);
// Character literal (p on the opening quote).
Literal read_char_literal(const char16_t*& p);
// String literal (p on the opening double quote).
Literal read_string_literal(const char16_t*& p);

// Looks ahead, without compiling, for a comparison character (<, =, >, !):
// inside the parenthesised group that starts at p (p on `(`) up to its
// matching `)`, or, when p is not on `(`, to the end of the line.  String
// and character literals are skipped.
bool has_comparison_ahead(const char16_t* p, bool group_only);

}  // namespace quorin
