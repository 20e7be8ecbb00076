// Numeric text: is_int, is_numeric, the text → number conversions and the
// number → text formats.
#include <charconv>
#include <string_view>

#include "builtins/console/format_value.h"
#include "builtins/strings/string_builtins.h"
#include "builtins/strings/text_ops.h"
#include "support/format.h"

namespace quorin::strings {

namespace {

// The trimmed text, which must be numeric; otherwise the conversion error.
std::u16string_view numeric_argument(Runtime& rt, const Str& s, const char16_t* name) {
  std::u16string_view t = trim_view(s.view(), true, true);
  if (!is_numeric_text(t)) rt.fail(format16(u"%s('%.100s') 数据类型转换出错.", name, s.view()));
  return t;
}

template <class T>
Str integer_text(T v, int base) {
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, v, base);
  return Str(ascii16(std::string_view(buf, static_cast<size_t>(res.ptr - buf))));
}

}  // namespace

int32_t is_int(const Str& s) { return is_int_text(s.view()) ? 1 : 0; }
int32_t is_numeric(const Str& s) { return is_numeric_text(s.view()) ? 1 : 0; }

// Integer conversions read the leading integer, so stoi("1.5") is 1.
int32_t stoi(Runtime& rt, const Str& s) { return leading_int(numeric_argument(rt, s, u"stoi")); }
int64_t stol(Runtime& rt, const Str& s) { return leading_long(numeric_argument(rt, s, u"stol")); }
float stof(Runtime& rt, const Str& s) { return numeric_float(numeric_argument(rt, s, u"stof")); }
double stod(Runtime& rt, const Str& s) { return numeric_double(numeric_argument(rt, s, u"stod")); }

Str itos(int32_t v) { return integer_text(v, 10); }
Str ltos(int64_t v) { return integer_text(v, 10); }
// Negative values show their two's complement.
Str hex_int(int32_t v) { return integer_text(static_cast<uint32_t>(v), 16); }
Str hex_long(int64_t v) { return integer_text(static_cast<uint64_t>(v), 16); }

// Rounded once to 7 decimals, then cut to `digits` of them.
Str ftos(float v, int32_t digits) { return Str(double_text_7(v, digits)); }
Str dtos(double v, int32_t digits) { return Str(double_text_7(v, digits)); }

}  // namespace quorin::strings
