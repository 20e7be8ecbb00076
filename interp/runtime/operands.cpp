// Operand readers that are not variables: constants, calls and conversions.
#include <cmath>
#include <limits>

#include "runtime/routines.h"
#include "runtime/runtime.h"
#include "runtime/storage.h"

namespace quorin {

Payload eval_constant(Runtime&, const Operand& op) {
  if (op.type == tc::String) str_retain(op.k.str);
  return op.k;
}

Payload eval_call(Runtime& rt, const Operand& op) { return op.call->invoke(rt, *op.call); }

namespace {

// Floating value → 32-bit integer the way the processor's truncating
// conversion does it: out of range and NaN give the "integer indefinite"
// value 0x80000000.
inline int32_t trunc_int32(double d) {
  if (!(d > -2147483649.0 && d < 2147483648.0)) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(d);
}
inline int64_t trunc_int64(double d) {
  if (!(d >= -9223372036854775808.0 && d < 9223372036854775808.0)) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(d);
}

template <TypeCode From>
inline double as_double(Payload p) {
  if constexpr (From == tc::Long)
    return static_cast<double>(p.l);
  else if constexpr (From == tc::Float)
    return static_cast<double>(p.f);
  else if constexpr (From == tc::Double)
    return p.d;
  else
    return static_cast<double>(p.i);
}

template <TypeCode From, TypeCode To>
Payload convert_payload(Payload p) {
  Payload r;
  r.bits = 0;
  constexpr bool from_int = is_int_class(From);
  constexpr bool from_float = is_floating(From);
  if constexpr (is_int_class(To)) {
    int32_t v;
    if constexpr (from_int)
      v = p.i;
    else if constexpr (From == tc::Long)
      v = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(p.l)));
    else
      v = trunc_int32(as_double<From>(p));
    if constexpr (To == tc::Byte)
      r.i = static_cast<uint8_t>(v);
    else if constexpr (To == tc::Char)
      r.i = static_cast<char16_t>(v);
    else if constexpr (To == tc::Short)
      r.i = static_cast<int16_t>(v);
    else
      r.i = v;
  } else if constexpr (To == tc::Long) {
    if constexpr (from_int)
      r.l = p.i;
    else if constexpr (From == tc::Long)
      r.l = p.l;
    else
      r.l = trunc_int64(as_double<From>(p));
  } else if constexpr (To == tc::Float) {
    if constexpr (From == tc::Long)
      r.f = static_cast<float>(p.l);
    else if constexpr (from_float)
      r.f = static_cast<float>(as_double<From>(p));
    else
      r.f = static_cast<float>(p.i);
  } else if constexpr (To == tc::Double) {
    r.d = as_double<From>(p);
  } else {
    r = p;
  }
  (void)from_float;
  return r;
}

template <TypeCode From, TypeCode To>
Payload eval_conversion(Runtime& rt, const Operand& op) {
  return convert_payload<From, To>(op.inner->eval(rt, *op.inner));
}

Payload identity(Payload p) { return p; }

}  // namespace

EvalFn numeric_conversion(TypeCode from, TypeCode to) {
  return with_type(from, [to]<TypeCode F>() -> EvalFn {
    return with_type(to, []<TypeCode T>() -> EvalFn {
      if constexpr (is_numeric(F) && is_numeric(T))
        return eval_conversion<F, T>;
      else
        return nullptr;
    });
  });
}

ConvertFn payload_conversion(TypeCode from, TypeCode to) {
  if (from == to || !is_numeric(from) || !is_numeric(to)) return identity;
  return with_type(from, [to]<TypeCode F>() -> ConvertFn {
    return with_type(to, []<TypeCode T>() -> ConvertFn {
      if constexpr (is_numeric(F) && is_numeric(T))
        return convert_payload<F, T>;
      else
        return identity;
    });
  });
}

}  // namespace quorin
