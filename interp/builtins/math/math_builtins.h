// The math builtins as C++ functions (registered by table.cpp).
#pragma once
#include <cstdint>

#include "runtime/native.h"

namespace quorin::math {

// max/min computed in the result type R; on equal values the second
// argument's value is the result.
template <class R, class A, class B>
R max_of(A a, B b) {
  const R x = static_cast<R>(a), y = static_cast<R>(b);
  return x > y ? x : y;
}
template <class R, class A, class B>
R min_of(A a, B b) {
  const R x = static_cast<R>(a), y = static_cast<R>(b);
  return x < y ? x : y;
}

int32_t abs_int(int32_t v);
int64_t labs_long(int64_t v);
double fabs_double(double v);

double sin_d(double x);
double cos_d(double x);
double tan_d(double x);
double sinh_d(double x);
double cosh_d(double x);
double tanh_d(double x);
double asin_d(double x);
double acos_d(double x);
double atan_d(double x);
double exp_d(double x);
double log_d(double x);
double log10_d(double x);
double sqrt_d(double x);
double atan2_d(double y, double x);
double pow_d(double x, double y);
double fmod_d(double x, double y);
double ldexp_d(double x, int32_t n);
double frexp_d(double x, ByRef<25> exponent);
double modf_d(double x, ByRef<28> integral);

double round_to(double x, int32_t digits);
int32_t floor_int(double x);
int32_t ceil_int(double x);

void randomize(Runtime& rt);
double rnd(Runtime& rt);

}  // namespace quorin::math
