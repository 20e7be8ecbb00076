// Conversions between the numeric types.  Floating values truncate toward
// zero; a NaN or a value outside the target's range gives the target's
// smallest value, as the processor's conversion instructions do.
#include <limits>

#include "builtins/strings/string_builtins.h"

namespace quorin::strings {

namespace {
template <class I, class F>
I truncate(F v) {
  // The bounds are powers of two, exact in every floating type.
  constexpr F lo = static_cast<F>(std::numeric_limits<I>::min());
  constexpr F hi = -lo;
  if (!(v >= lo && v < hi)) return std::numeric_limits<I>::min();
  return static_cast<I>(v);
}
}  // namespace

float itof(int32_t v) { return static_cast<float>(v); }
int64_t itol(int32_t v) { return v; }
double itod(int32_t v) { return v; }
int32_t ltoi(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }
float ltof(int64_t v) { return static_cast<float>(v); }
double ltod(int64_t v) { return static_cast<double>(v); }
int32_t ftoi(float v) { return truncate<int32_t>(v); }
int64_t ftol(float v) { return truncate<int64_t>(v); }
double ftod(float v) { return v; }
int32_t dtoi(double v) { return truncate<int32_t>(v); }
float dtof(double v) { return static_cast<float>(v); }
int64_t dtol(double v) { return truncate<int64_t>(v); }

}  // namespace quorin::strings
