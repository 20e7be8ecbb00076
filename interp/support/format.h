// printf-style formatting into UTF-16 for the system's message templates.
// Supported: %d %i %u (32-bit), %I64d and %lld (64-bit), %lu %lx %x %X,
// %c (one UTF-16 unit), %s and %.Ns (UTF-16 text, cut to N units),
// %f %lf %.Nf %.Nlf, %%.  A flag/width prefix of digits is honoured for
// numbers (e.g. %02d).  Arguments are checked at run time against the
// conversion; a mismatch formats as "?" rather than reading garbage.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace quorin {

struct FormatArg {
  enum Kind { Int, UInt, Long, Double, Text, Unit } kind;
  int64_t i = 0;
  uint64_t u = 0;
  double d = 0;
  std::u16string_view s;
  FormatArg(int v) : kind(Int), i(v) {}
  FormatArg(unsigned v) : kind(UInt), u(v) {}
  FormatArg(long v) : kind(Long), i(v) {}
  FormatArg(unsigned long v) : kind(UInt), u(v) {}
  FormatArg(long long v) : kind(Long), i(v) {}
  FormatArg(unsigned long long v) : kind(UInt), u(v) {}
  FormatArg(double v) : kind(Double), d(v) {}
  FormatArg(float v) : kind(Double), d(v) {}
  FormatArg(char16_t c) : kind(Unit), u(c) {}
  FormatArg(std::u16string_view v) : kind(Text), s(v) {}
  FormatArg(const std::u16string& v) : kind(Text), s(v) {}
  FormatArg(const char16_t* v) : kind(Text), s(v ? std::u16string_view(v) : std::u16string_view()) {}
};

std::u16string vformat16(std::u16string_view fmt, const FormatArg* args, size_t n);

template <class... A>
std::u16string format16(std::u16string_view fmt, const A&... args) {
  const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
  return vformat16(fmt, list, sizeof...(A));
}

// "%f"-style text of a double with `decimals` digits after the point.
std::u16string fixed_text(double v, int decimals);
// UTF-8 ⇄ UTF-16.  Decoding rejects overlong forms, surrogates and values
// beyond U+10FFFF; each maximal invalid subpart becomes one U+FFFD.
std::string to_utf8(std::u16string_view s);
std::u16string from_utf8(std::string_view s);
// ASCII-only helpers for literal texts in code.
std::u16string ascii16(std::string_view s);

}  // namespace quorin
