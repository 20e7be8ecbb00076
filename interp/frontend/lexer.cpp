#include "frontend/lexer.h"

#include <cmath>
#include <cstdlib>

#include "support/format.h"

namespace quorin {

void skip_blanks(const char16_t*& p) {
  while (is_blank(*p)) ++p;
  if (*p == u'#')
    while (*p && *p != u'\n') ++p;
}

void skip_space_and_lines(const char16_t*& p, int32_t& line) {
  for (;; ++p) {
    if (*p == u'\n')
      ++line;
    else if (!is_blank(*p))
      return;
  }
}

bool at_statement_end(const char16_t*& p) {
  skip_blanks(p);
  return *p == u'\n' || *p == 0;
}

void skip_line(const char16_t*& p, int32_t& line) {
  while (*p && *p != u'\n') ++p;
  if (*p == u'\n') {
    ++p;
    ++line;
  }
}

std::u16string_view peek_word(const char16_t* p) {
  while (*p == u' ' || *p == u'\t') ++p;
  const char16_t* s = p;
  while (*p && *p != u'\t' && *p != u' ' && *p != u'#' && *p != u'(' && *p != u'[' && *p != u'<' && *p != u'=' &&
         *p != u'\r' && *p != u'\n')
    ++p;
  return {s, static_cast<size_t>(p - s)};
}

std::u16string_view peek_name(const char16_t* p) {
  const char16_t* s = p;
  while (is_name_char(*p)) ++p;
  return {s, static_cast<size_t>(p - s)};
}

bool is_identifier(std::u16string_view s) {
  if (s.empty() || !is_ascii_letter(s[0])) return false;
  for (char16_t c : s)
    if (!is_name_char(c)) return false;
  return true;
}

namespace {

int hex_value(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// Decodes one escape (p after the backslash).  Returns false for an unknown one.
bool decode_escape(char16_t c, char16_t& out) {
  switch (c) {
    case u'\\':
      out = u'\\';
      return true;
    case u'"':
      out = u'"';
      return true;
    case u'\'':
      out = u'\'';
      return true;
    case u'n':
      out = u'\n';
      return true;
    case u'r':
      out = u'\r';
      return true;
    case u't':
      out = u'\t';
      return true;
    default:
      return false;
  }
}

}  // namespace

Literal read_number(const char16_t*& p) {
  Literal lit;
  const char16_t* start = p;
  if (p[0] == u'0' && (p[1] == u'x' || p[1] == u'X')) {
    p += 2;
    uint64_t v = 0;
    int digits = 0;
    bool overflow = false;
    while (hex_value(*p) >= 0) {
      if (v >> 60) overflow = true;
      v = (v << 4) | static_cast<uint64_t>(hex_value(*p));
      ++p;
      ++digits;
    }
    if (digits == 0 || overflow) {
      lit.error = u"语法错误";
      return lit;
    }
    bool suffix = false;
    if (*p == u'L' || *p == u'l') {
      suffix = true;
      ++p;
    }
    if (!suffix && v <= 0x7FFFFFFFull) {
      lit.type = tc::Int;
      lit.value.i = static_cast<int32_t>(v);
    } else {
      lit.type = tc::Long;
      lit.value.l = static_cast<int64_t>(v);
    }
    return lit;
  }
  while (is_digit(*p)) ++p;
  if (*p == u'.') {
    ++p;
    while (is_digit(*p)) ++p;
    std::string text(start, p);
    double d = std::strtod(text.c_str(), nullptr);
    if (*p == u'f' || *p == u'F') {
      ++p;
      lit.type = tc::Float;
      lit.value.bits = 0;
      lit.value.f = static_cast<float>(d);
    } else {
      lit.type = tc::Double;
      lit.value.d = d;
    }
    return lit;
  }
  // Decimal integer: 64-bit conversion.
  uint64_t v = 0;
  bool overflow = false;
  for (const char16_t* q = start; q < p; ++q) {
    uint64_t digit = static_cast<uint64_t>(*q - u'0');
    if (v > (UINT64_MAX - digit) / 10) overflow = true;
    v = v * 10 + digit;
  }
  if (overflow || v > static_cast<uint64_t>(INT64_MAX)) {
    lit.error = u"语法错误";
    return lit;
  }
  bool suffix = false;
  if (*p == u'L' || *p == u'l') {
    suffix = true;
    ++p;
  }
  if (!suffix && v <= 2147483647ull) {
    lit.type = tc::Int;
    lit.value.bits = 0;
    lit.value.i = static_cast<int32_t>(v);
  } else {
    lit.type = tc::Long;
    lit.value.l = static_cast<int64_t>(v);
  }
  return lit;
}

Literal read_char_literal(const char16_t*& p) {
  Literal lit;
  ++p;  // opening quote
  char16_t c = *p;
  if (c == u'\\') {
    char16_t e = p[1];
    if (!decode_escape(e, c)) {
      lit.error = format16(u"未知的转义字符: '\\%c'", e ? e : u' ');
      if (e) p += 2;
      return lit;
    }
    p += 2;
  } else {
    if (c == 0 || c == u'\n' || c == u'\'') {
      lit.error = u"缺少终止字符 '";
      return lit;
    }
    ++p;
  }
  if (*p != u'\'') {
    lit.error = u"缺少终止字符 '";
    return lit;
  }
  ++p;
  lit.type = tc::Char;
  lit.value.bits = 0;
  lit.value.i = c;
  return lit;
}

Literal read_string_literal(const char16_t*& p) {
  Literal lit;
  ++p;  // opening quote
  std::u16string text;
  for (;;) {
    char16_t c = *p;
    if (c == 0) {
      lit.error = u"没找到字符串常量的终止字符 \"";
      return lit;
    }
    if (c == u'"') {
      ++p;
      break;
    }
    if (c == u'\\') {
      char16_t e = p[1];
      char16_t out;
      if (!decode_escape(e, out)) {
        lit.error = format16(u"未知的转义字符: '\\%c'", e ? e : u' ');
        return lit;
      }
      text.push_back(out);
      p += 2;
      continue;
    }
    text.push_back(c);
    ++p;
  }
  lit.type = tc::String;
  lit.text = std::move(text);
  return lit;
}

bool has_comparison_ahead(const char16_t* p, bool group_only) {
  int depth = 0;
  bool group = group_only && *p == u'(';
  for (; *p && *p != u'\n'; ++p) {
    char16_t c = *p;
    if (c == u'"' || c == u'\'') {
      char16_t q = c;
      ++p;
      while (*p && *p != u'\n' && *p != q) {
        if (*p == u'\\' && p[1]) ++p;
        ++p;
      }
      if (*p != q) return false;
      continue;
    }
    if (c == u'#') return false;
    if (c == u'(') {
      ++depth;
    } else if (c == u')') {
      if (--depth == 0 && group) return false;
    } else if (c == u'<' || c == u'=' || c == u'>' || c == u'!') {
      return true;
    }
  }
  return false;
}

}  // namespace quorin
