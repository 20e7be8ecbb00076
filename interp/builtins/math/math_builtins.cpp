// Absolute values, the elementary functions, integer floor and ceiling,
// decimal rounding and the random generator.
#include "builtins/math/math_builtins.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "builtins/math/random.h"

namespace quorin::math {

namespace {

// An integral double → int, held at the int range; NaN gives 0.
int32_t to_int_saturated(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483648.0) return std::numeric_limits<int32_t>::max();
  if (v < -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

}  // namespace

// The most negative values have no positive counterpart and stay as they are.
int32_t abs_int(int32_t v) { return v < 0 ? static_cast<int32_t>(0u - static_cast<uint32_t>(v)) : v; }
int64_t labs_long(int64_t v) { return v < 0 ? static_cast<int64_t>(uint64_t{0} - static_cast<uint64_t>(v)) : v; }
double fabs_double(double v) { return std::fabs(v); }

double sin_d(double x) { return std::sin(x); }
double cos_d(double x) { return std::cos(x); }
double tan_d(double x) { return std::tan(x); }
double sinh_d(double x) { return std::sinh(x); }
double cosh_d(double x) { return std::cosh(x); }
double tanh_d(double x) { return std::tanh(x); }
double asin_d(double x) { return std::asin(x); }
double acos_d(double x) { return std::acos(x); }
double atan_d(double x) { return std::atan(x); }
double exp_d(double x) { return std::exp(x); }
double log_d(double x) { return std::log(x); }
double log10_d(double x) { return std::log10(x); }
double sqrt_d(double x) { return std::sqrt(x); }
double atan2_d(double y, double x) { return std::atan2(y, x); }
double pow_d(double x, double y) { return std::pow(x, y); }
double fmod_d(double x, double y) { return std::fmod(x, y); }
double ldexp_d(double x, int32_t n) { return std::ldexp(x, n); }

// NaN and the infinities have no exponent: it is written as 0.
double frexp_d(double x, ByRef<25> exponent) {
  int e = 0;
  const double m = std::isfinite(x) ? std::frexp(x, &e) : x;
  *static_cast<int32_t*>(exponent.addr) = e;
  return m;
}

double modf_d(double x, ByRef<28> integral) {
  double i = 0;
  const double f = std::modf(x, &i);
  *static_cast<double*>(integral.addr) = i;
  return f;
}

// Outside the int range the result is held at INT_MIN / INT_MAX; NaN gives 0.
int32_t floor_int(double x) { return to_int_saturated(std::floor(x)); }
int32_t ceil_int(double x) { return to_int_saturated(std::ceil(x)); }

// Halves round up for non-negative values even where the binary value lies
// just below the half (a nudge of 3 units of the next decimal); the text of
// the value with `digits` decimals is then read back.
double round_to(double x, int32_t digits) {
  if (!std::isfinite(x)) return x;
  static constexpr double kScale[] = {1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  digits = std::clamp(digits, 0, 7);
  const double scale = kScale[digits];
  const auto f = static_cast<int32_t>((x - std::trunc(x) + 0.00000001) * scale);
  if (f % 10 > 4) x += 3 / scale;
  // Exact decimal text of the binary value, rounded to `digits` places.
  char buf[400];
  const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, digits);
  if (res.ec != std::errc()) return x;
  double back = x;
  std::from_chars(buf, res.ptr, back);
  return back;
}

void randomize(Runtime& rt) {
  uint32_t s = current_thread_id();
  s = next_random_state(next_random_state(s));  // two draws thrown away
  rt.random_state = s;
}

double rnd(Runtime& rt) {
  rt.random_state = next_random_state(rt.random_state);
  return random_value(rt.random_state) / static_cast<double>(kRandMax);
}

}  // namespace quorin::math
