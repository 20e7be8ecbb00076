// Comparison of numbers of different types by their exact mathematical
// values.  Every byte, char, short, int and float is exact in a double, so
// those pairs compare as doubles; a long against a double is decided on the
// integer and fractional parts of the double, never by rounding the long.
#pragma once
#include <cmath>
#include <cstdint>

namespace quorin {

enum class Order : uint8_t { Less, Equal, Greater, Unordered };

inline Order reversed(Order o) {
  return o == Order::Less ? Order::Greater : o == Order::Greater ? Order::Less : o;
}

// Orders the long `l` against the double `d` exactly (NaN is unordered).
inline Order order_long_double(int64_t l, double d) {
  if (std::isnan(d)) return Order::Unordered;
  constexpr double two63 = 9223372036854775808.0;  // 2^63, just above every long
  if (d >= two63) return Order::Less;
  if (d < -two63) return Order::Greater;
  // Here -2^63 <= d < 2^63, so its integer part converts to a long exactly.
  const double whole = std::trunc(d);
  const int64_t w = static_cast<int64_t>(whole);
  if (l < w) return Order::Less;
  if (l > w) return Order::Greater;
  const double frac = d - whole;  // exact
  return frac > 0 ? Order::Less : frac < 0 ? Order::Greater : Order::Equal;
}

}  // namespace quorin
