#include "builtins/strings/text_ops.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <system_error>

#include "builtins/strings/text_finder.h"

namespace quorin {

namespace {

// A text of `len` units; script lengths are ints, so longer is out of memory.
StrRep* alloc_text(uint64_t len) {
  if (len > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) throw std::bad_alloc();
  return len == 0 ? str_empty() : str_alloc(static_cast<uint32_t>(len));
}

char16_t* put(char16_t* out, std::u16string_view piece) {
  if (!piece.empty()) std::memcpy(out, piece.data(), piece.size() * sizeof(char16_t));
  return out + piece.size();
}

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::u16string_view trim_view(std::u16string_view s, bool left, bool right) {
  size_t b = 0, e = s.size();
  if (left)
    while (b < e && is_trim_space(s[b])) ++b;
  if (right)
    while (e > b && is_trim_space(s[e - 1])) --e;
  return s.substr(b, e - b);
}

Str replace_all(const Str& s, std::u16string_view from, std::u16string_view to) {
  std::u16string_view v = s.view();
  if (v.empty() || from.empty()) return s;
  TextFinder finder(from);
  // Match positions (texts are shorter than 2^31 units); the table starts
  // with room for 256 and doubles.
  std::vector<uint32_t> at;
  at.reserve(256);
  for (size_t p = finder.find(v, 0); p != TextFinder::npos; p = finder.find(v, p + from.size()))
    at.push_back(static_cast<uint32_t>(p));
  if (at.empty()) return s;
  const uint64_t count = at.size();
  StrRep* r = alloc_text(v.size() - count * from.size() + count * to.size());
  char16_t* out = r->data;
  size_t done = 0;
  for (uint32_t p : at) {
    out = put(out, v.substr(done, p - done));
    out = put(out, to);
    done = p + from.size();
  }
  put(out, v.substr(done));
  return Str::adopt(r);
}

Str replace_first_of(const Str& s, std::u16string_view from, std::u16string_view to) {
  std::u16string_view v = s.view();
  if (v.empty() || from.empty()) return s;
  size_t p = TextFinder(from).find(v, 0);
  if (p == TextFinder::npos) return s;
  StrRep* r = alloc_text(static_cast<uint64_t>(v.size()) - from.size() + to.size());
  char16_t* out = put(r->data, v.substr(0, p));
  out = put(out, to);
  put(out, v.substr(p + from.size()));
  return Str::adopt(r);
}

std::vector<Str> split_text(std::u16string_view s, std::u16string_view sep) {
  std::vector<Str> pieces;
  if (sep.empty()) {
    pieces.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) pieces.emplace_back(s.substr(i, 1));
    return pieces;
  }
  TextFinder finder(sep);
  size_t done = 0;
  for (size_t p = finder.find(s, 0); p != TextFinder::npos; p = finder.find(s, done)) {
    pieces.emplace_back(s.substr(done, p - done));
    done = p + sep.size();
  }
  pieces.emplace_back(s.substr(done));
  return pieces;
}

bool is_numeric_text(std::u16string_view s) {
  size_t i = 0;
  if (i < s.size() && s[i] == u'-') ++i;
  if (i >= s.size() || !is_digit(s[i])) return false;
  bool point = false;
  for (++i; i < s.size(); ++i) {
    if (is_digit(s[i])) continue;
    if (s[i] != u'.' || point) return false;
    point = true;
  }
  return true;
}

bool is_int_text(std::u16string_view s) {
  size_t i = 0;
  if (i < s.size() && s[i] == u'-') ++i;
  if (i >= s.size()) return false;
  for (; i < s.size(); ++i)
    if (!is_digit(s[i])) return false;
  return true;
}

namespace {

template <class U>
U leading_digits(std::u16string_view s, bool& negative) {
  size_t i = 0;
  negative = i < s.size() && s[i] == u'-';
  if (negative) ++i;
  U v = 0;
  for (; i < s.size() && is_digit(s[i]); ++i) v = static_cast<U>(v * 10u + static_cast<U>(s[i] - u'0'));
  return negative ? static_cast<U>(U{0} - v) : v;
}

template <class F>
F parse_floating(std::u16string_view s) {
  std::string ascii(s.begin(), s.end());  // numeric text is all ASCII
  if (!ascii.empty() && ascii.back() == '.') ascii.pop_back();
  F v{};
  const char* b = ascii.data();
  const char* e = b + ascii.size();
  auto res = std::from_chars(b, e, v, std::chars_format::fixed);
  if (res.ec == std::errc::result_out_of_range) {
    const bool negative = ascii[0] == '-';
    // No exponent is possible, so only a non-zero integer part can overflow.
    size_t i = negative ? 1 : 0;
    bool big = false;
    for (; i < ascii.size() && ascii[i] != '.'; ++i)
      if (ascii[i] != '0') big = true;
    F mag = big ? std::numeric_limits<F>::infinity() : F{0};
    v = negative ? -mag : mag;
  }
  return v;
}

}  // namespace

int32_t leading_int(std::u16string_view s) {
  bool neg;
  return static_cast<int32_t>(leading_digits<uint32_t>(s, neg));
}

int64_t leading_long(std::u16string_view s) {
  bool neg;
  return static_cast<int64_t>(leading_digits<uint64_t>(s, neg));
}

double numeric_double(std::u16string_view s) { return parse_floating<double>(s); }
float numeric_float(std::u16string_view s) { return parse_floating<float>(s); }

}  // namespace quorin
