#include "builtins/collections/elem.h"

#include <cstring>

#include "frontend/program_model.h"
#include "runtime/object.h"
#include "support/chain_map.h"

namespace quorin {

uint32_t mix_int_hash(uint32_t v) {
  uint32_t h = v ^ (v >> 20) ^ (v >> 12);
  return h ^ (h >> 7) ^ (h >> 4);
}

namespace {

Payload zero() {
  Payload p;
  p.bits = 0;
  return p;
}

void no_ref(Payload) {}
void str_ref(Payload p) { str_retain(p.str); }
void str_unref(Payload p) { str_release(p.str); }
void obj_ref(Payload p) { obj_retain(p.obj); }
void obj_unref(Payload p) { obj_release(p.obj); }

Payload norm_byte(Payload p) {
  Payload q = zero();
  q.i = static_cast<uint8_t>(p.i);
  return q;
}
Payload norm_char(Payload p) {
  Payload q = zero();
  q.i = static_cast<char16_t>(p.i);
  return q;
}
Payload norm_short(Payload p) {
  Payload q = zero();
  q.i = static_cast<int16_t>(p.i);
  return q;
}
Payload norm_int(Payload p) {
  Payload q = zero();
  q.i = p.i;
  return q;
}
Payload norm_float(Payload p) {
  Payload q = zero();
  q.f = p.f;
  return q;
}
Payload norm_whole(Payload p) { return p; }

bool eq_int(Payload a, Payload b) { return a.i == b.i; }
bool eq_long(Payload a, Payload b) { return a.l == b.l; }
bool eq_float(Payload a, Payload b) { return a.f == b.f; }
bool eq_double(Payload a, Payload b) { return a.d == b.d; }
bool eq_str(Payload a, Payload b) { return a.str == b.str || str_view(a.str) == str_view(b.str); }
bool eq_ptr(Payload a, Payload b) { return a.ptr == b.ptr; }
bool eq_bits(Payload a, Payload b) { return a.bits == b.bits; }

uint32_t float_bits(float f) {
  if (f != f) return 0x7FC00000u;
  uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}
uint64_t double_bits(double d) {
  if (d != d) return 0x7FF8000000000000ull;
  uint64_t u;
  std::memcpy(&u, &d, sizeof u);
  return u;
}
bool map_eq_float(Payload a, Payload b) { return float_bits(a.f) == float_bits(b.f); }
bool map_eq_double(Payload a, Payload b) { return double_bits(a.d) == double_bits(b.d); }

uint32_t hash_plain(Payload p) { return static_cast<uint32_t>(p.i); }
uint32_t hash_int(Payload p) { return mix_int_hash(static_cast<uint32_t>(p.i)); }
uint32_t hash_long(Payload p) {
  auto u = static_cast<uint64_t>(p.l);
  return static_cast<uint32_t>(u) ^ static_cast<uint32_t>(u >> 32);
}
uint32_t hash_float(Payload p) { return float_bits(p.f); }
uint32_t hash_double(Payload p) {
  uint64_t u = double_bits(p.d);
  return static_cast<uint32_t>(u >> 32) ^ static_cast<uint32_t>(u);
}
uint32_t hash_str(Payload p) { return name_hash(str_view(p.str)); }
uint32_t hash_ref(Payload p) { return mix_int_hash(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p.ptr))); }
uint32_t hash_bits(Payload p) { return static_cast<uint32_t>(p.bits) ^ static_cast<uint32_t>(p.bits >> 32); }

// Byte, char and short hash to their (normalized) value; int mixes.
constexpr ElemOps kOps[] = {
    {tc::None, no_ref, no_ref, norm_whole, eq_bits, eq_bits, hash_bits},
    {tc::Byte, no_ref, no_ref, norm_byte, eq_int, eq_int, hash_plain},
    {tc::Char, no_ref, no_ref, norm_char, eq_int, eq_int, hash_plain},
    {tc::Short, no_ref, no_ref, norm_short, eq_int, eq_int, hash_plain},
    {tc::Int, no_ref, no_ref, norm_int, eq_int, eq_int, hash_int},
    {tc::Long, no_ref, no_ref, norm_whole, eq_long, eq_long, hash_long},
    {tc::Float, no_ref, no_ref, norm_float, eq_float, map_eq_float, hash_float},
    {tc::Double, no_ref, no_ref, norm_whole, eq_double, map_eq_double, hash_double},
    {tc::String, str_ref, str_unref, norm_whole, eq_str, eq_str, hash_str},
    {tc::Bmp, obj_ref, obj_unref, norm_whole, eq_ptr, eq_ptr, hash_ref},
};

}  // namespace

const ElemOps& elem_ops(TypeCode t) {
  if (t >= tc::Byte && t <= tc::Bmp) return kOps[t];
  return kOps[0];
}

Box eval_elem(Runtime& rt, const Operand& op, const ElemOps& ops) { return Box(ops, op.eval(rt, op)); }

Value copy_out(const ElemOps& ops, Payload stored) {
  ops.retain(stored);
  return hand_out(ops, stored);
}

Value hand_out(const ElemOps& ops, Payload owned) {
  Value v;
  v.type = ops.type;
  v.v = owned;
  return v;
}

}  // namespace quorin
