// Runtime values.  A value is an 8-byte payload whose type is known when the
// script is compiled; nothing at run time asks a value for its type.
//
// Two forms of the same payload exist:
//  - storage form (variable slots, array elements, by-reference targets): each
//    scalar in its own width (b, c, s, i, l, f, d);
//  - computed form (what an operand's evaluation returns): byte, char, short
//    and int are widened into `i` (byte and char zero-extended, short
//    sign-extended), everything else as in storage form.
// Strings and objects travel as counted references: an evaluation returns a
// reference the consumer owns.
#pragma once
#include <cstdint>
#include <string>

#include "frontend/types.h"
#include "runtime/str.h"

namespace quorin {

struct Object;
struct ArrayObj;
struct FuncTarget;

union Payload {
  uint8_t b;
  char16_t c;
  int16_t s;
  int32_t i;
  int64_t l;
  float f;
  double d;
  StrRep* str;
  Object* obj;
  ArrayObj* arr;
  FuncTarget* fn;
  void* ptr;
  uint64_t bits;
};
static_assert(sizeof(Payload) == 8);

inline Payload make_int(int32_t v) {
  Payload p;
  p.bits = 0;
  p.i = v;
  return p;
}
inline Payload make_long(int64_t v) {
  Payload p;
  p.l = v;
  return p;
}
inline Payload make_float(float v) {
  Payload p;
  p.bits = 0;
  p.f = v;
  return p;
}
inline Payload make_double(double v) {
  Payload p;
  p.d = v;
  return p;
}
inline Payload make_str(StrRep* r) {
  Payload p;
  p.bits = 0;
  p.str = r;
  return p;
}
inline Payload make_obj(Object* o) {
  Payload p;
  p.bits = 0;
  p.obj = o;
  return p;
}

// A value together with its type header: the form in which generic results
// travel and in which collection arguments reach builtins.  A variable slot
// begins with the same header, so a builtin sees both the same way.
struct Value {
  TypeCode type = tc::None;
  uint16_t elem = 0;  // T of an ArrayList, LinkedList or Iterator
  uint16_t key = 0;   // K of a HashMap
  uint16_t val = 0;   // V of a HashMap
  uint16_t reserved = 0;
  Payload v{.bits = 0};
};

}  // namespace quorin
