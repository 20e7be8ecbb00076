// `+` with a string side: the number is formatted ("%d" for byte, short and
// int, the character itself for char, 64-bit decimal for long, "%f" for
// float and double) and the two texts are joined into one new string.
#include <array>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "runtime/operator_families.h"
#include "runtime/operator_kernels.h"
#include "runtime/runtime.h"

namespace quorin::ops {

namespace {

// Large enough for "%f" of any double (309 integer digits, sign, point, 6).
constexpr size_t kNumberText = 352;

template <class T>
size_t decimal_text(char16_t* out, T v) {
  using UT = U<T>;
  UT mag = v < 0 ? static_cast<UT>(UT(0) - static_cast<UT>(v)) : static_cast<UT>(v);
  char16_t digits[24];
  size_t n = 0;
  do {
    digits[n++] = static_cast<char16_t>(u'0' + mag % 10);
    mag /= 10;
  } while (mag != 0);
  size_t len = 0;
  if (v < 0) out[len++] = u'-';
  while (n > 0) out[len++] = digits[--n];
  return len;
}

size_t fixed6_text(char16_t* out, double v) {
  char buf[kNumberText];
  int n = std::snprintf(buf, sizeof buf, "%f", v);
  if (n < 0) n = 0;
  size_t len = static_cast<size_t>(n) < sizeof buf ? static_cast<size_t>(n) : sizeof buf - 1;
  for (size_t i = 0; i < len; ++i) out[i] = static_cast<unsigned char>(buf[i]);
  return len;
}

// Writes the text of a computed numeric payload of type T; returns its length.
template <TypeCode T>
size_t number_text(char16_t* out, Payload p) {
  if constexpr (T == tc::Char) {
    out[0] = static_cast<char16_t>(p.i);
    return 1;
  } else if constexpr (is_int_class(T)) {
    return decimal_text(out, p.i);
  } else if constexpr (T == tc::Long) {
    return decimal_text(out, p.l);
  } else if constexpr (T == tc::Float) {
    return fixed6_text(out, static_cast<double>(p.f));
  } else {
    return fixed6_text(out, p.d);
  }
}

// One allocation holding both texts.
StrRep* join(std::u16string_view a, std::u16string_view b) {
  const size_t total = a.size() + b.size();
  if (total == 0) return str_empty();
  if (total > std::numeric_limits<uint32_t>::max() - 1) throw std::bad_alloc();
  StrRep* r = str_alloc(static_cast<uint32_t>(total));
  if (!a.empty()) std::memcpy(r->data, a.data(), a.size() * sizeof(char16_t));
  if (!b.empty()) std::memcpy(r->data + a.size(), b.data(), b.size() * sizeof(char16_t));
  return r;
}

Payload join_strings(Runtime& rt, const Operand& self) {
  const ExprNode& e = *self.expr;
  Str a = Str::adopt(e.left->eval(rt, *e.left).str);
  Str b = Str::adopt(e.right->eval(rt, *e.right).str);
  return make_str(join(a.view(), b.view()));
}

template <TypeCode N>
Payload string_number(Runtime& rt, const Operand& self) {
  const ExprNode& e = *self.expr;
  Str a = Str::adopt(e.left->eval(rt, *e.left).str);
  char16_t text[kNumberText];
  const size_t n = number_text<N>(text, e.right->eval(rt, *e.right));
  return make_str(join(a.view(), {text, n}));
}

template <TypeCode N>
Payload number_string(Runtime& rt, const Operand& self) {
  const ExprNode& e = *self.expr;
  const Payload num = e.left->eval(rt, *e.left);
  Str b = Str::adopt(e.right->eval(rt, *e.right).str);
  char16_t text[kNumberText];
  const size_t n = number_text<N>(text, num);
  return make_str(join({text, n}, b.view()));
}

template <size_t... I>
constexpr auto join_rows(std::index_sequence<I...>) {
  return std::array<OperatorRow, 2 * sizeof...(I) + 1>{
      OperatorRow{OpCode::Add, tc::String, tc::String, &join_strings, tc::String},
      OperatorRow{OpCode::Add, tc::String, kNumeric[I], &string_number<kNumeric[I]>, tc::String}...,
      OperatorRow{OpCode::Add, kNumeric[I], tc::String, &number_string<kNumeric[I]>, tc::String}...};
}

constexpr auto kJoinRows = join_rows(std::make_index_sequence<7>());

}  // namespace

std::span<const OperatorRow> string_join_rows() { return kJoinRows; }

}  // namespace quorin::ops
