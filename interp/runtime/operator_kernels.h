// Building blocks of the operator handlers: the C++ type each script type
// computes in, reading a computed payload as a wider type, and the integer
// kernels with two's-complement wrap-around (computed in unsigned, so no
// signed overflow ever happens).  Internal to the operator tables.
#pragma once
#include <cstdint>
#include <type_traits>

#include "frontend/types.h"
#include "runtime/value.h"

namespace quorin {

class Runtime;

namespace ops {

// The computed-form C++ type of a numeric type: byte, char, short and int
// arrive widened into int32_t.
template <TypeCode T>
using Computed = std::conditional_t<
    is_int_class(T), int32_t,
    std::conditional_t<T == tc::Long, int64_t, std::conditional_t<T == tc::Float, float, double>>>;

template <TypeCode T>
inline Computed<T> take(Payload p) {
  if constexpr (is_int_class(T))
    return p.i;
  else if constexpr (T == tc::Long)
    return p.l;
  else if constexpr (T == tc::Float)
    return p.f;
  else
    return p.d;
}

// Reads a computed payload of type From as the computation type of To.
template <TypeCode To, TypeCode From>
inline Computed<To> widen(Payload p) {
  return static_cast<Computed<To>>(take<From>(p));
}

template <TypeCode T>
inline Payload pack(Computed<T> v) {
  if constexpr (is_int_class(T))
    return make_int(v);
  else if constexpr (T == tc::Long)
    return make_long(v);
  else if constexpr (T == tc::Float)
    return make_float(v);
  else
    return make_double(v);
}

// Ends the run with the division message.
[[noreturn, gnu::cold, gnu::noinline]] void divide_by_zero(Runtime& rt);

template <class T>
using U = std::make_unsigned_t<T>;

// Unsigned-to-signed conversion is modular (two's complement) in C++20.
template <class T>
inline T wrap_add(T a, T b) {
  return static_cast<T>(static_cast<U<T>>(a) + static_cast<U<T>>(b));
}
template <class T>
inline T wrap_sub(T a, T b) {
  return static_cast<T>(static_cast<U<T>>(a) - static_cast<U<T>>(b));
}
template <class T>
inline T wrap_mul(T a, T b) {
  return static_cast<T>(static_cast<U<T>>(a) * static_cast<U<T>>(b));
}
template <class T>
inline T wrap_neg(T a) {
  return static_cast<T>(U<T>(0) - static_cast<U<T>>(a));
}

// Truncating division.  The smallest value divided by -1 wraps to itself.
template <class T>
inline T int_div(Runtime& rt, T a, T b) {
  if (b == 0) [[unlikely]]
    divide_by_zero(rt);
  if (b == -1) [[unlikely]]
    return wrap_neg(a);
  return a / b;
}

// Remainder with the dividend's sign; anything modulo -1 is 0.
template <class T>
inline T int_mod(Runtime& rt, T a, T b) {
  if (b == 0) [[unlikely]]
    divide_by_zero(rt);
  if (b == -1) [[unlikely]]
    return 0;
  return a % b;
}

template <class T>
inline T float_div(Runtime& rt, T a, T b) {
  if (b == 0) [[unlikely]]  // also -0.0
    divide_by_zero(rt);
  return a / b;
}

// Shifts use the count modulo the width; >> propagates the sign.
template <class T>
inline T shift_left(T a, T count) {
  constexpr unsigned mask = sizeof(T) * 8 - 1;
  return static_cast<T>(static_cast<U<T>>(a) << (static_cast<unsigned>(count) & mask));
}
template <class T>
inline T shift_right(T a, T count) {
  constexpr unsigned mask = sizeof(T) * 8 - 1;
  return a >> (static_cast<unsigned>(count) & mask);
}

}  // namespace ops
}  // namespace quorin
