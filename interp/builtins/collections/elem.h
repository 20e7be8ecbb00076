// Elements of the script's collections.  An element is a Payload in computed
// form whose unused bits are zero (byte and char zero-extended, short
// sign-extended into `i`), so the same bits read correctly in storage form
// too.  Strings are held as counted StrRep references (immutable, so sharing
// one is as good as a private copy); Bmp images as counted Object references.
//
// Everything that depends on the element type (hash, the two equalities,
// reference counting) is a table of routines chosen when the collection is
// created, indexed by the element type code.
#pragma once
#include <cstdint>
#include <utility>

#include "runtime/value.h"

namespace quorin {

class Runtime;
struct Operand;

struct ElemOps {
  TypeCode type;
  void (*retain)(Payload);
  void (*release)(Payload);
  // Clears the bits the type does not use.
  Payload (*normalize)(Payload);
  // List equality: numbers by value (NaN never equal, +0 equals -0), strings
  // by code units, Bmp by identity.
  bool (*list_eq)(Payload, Payload);
  // Map equality: as above, except that floats compare their bit patterns
  // with every NaN made canonical (NaN equals NaN, +0 and -0 differ).
  bool (*map_eq)(Payload, Payload);
  uint32_t (*hash)(Payload);
};

// The routines of element type `t` (1..9).  Other codes get a plain bitwise
// kind that holds no references.
const ElemOps& elem_ops(TypeCode t);

// The mixing function of int keys (also used for Bmp references).
uint32_t mix_int_hash(uint32_t v);

// One owned element: released on destruction unless handed over.
class Box {
 public:
  Box(const ElemOps& ops, Payload p) : ops_(&ops), p_(ops.normalize(p)) {}
  Box(Box&& o) noexcept : ops_(std::exchange(o.ops_, nullptr)), p_(o.p_) {}
  Box& operator=(Box&& o) noexcept {
    if (this != &o) {
      reset();
      ops_ = std::exchange(o.ops_, nullptr);
      p_ = o.p_;
    }
    return *this;
  }
  Box(const Box&) = delete;
  Box& operator=(const Box&) = delete;
  ~Box() { reset(); }

  Payload get() const { return p_; }
  const ElemOps& ops() const { return *ops_; }
  // Hands the reference over to the caller.
  Payload release() {
    ops_ = nullptr;
    return p_;
  }

 private:
  void reset() {
    if (ops_) ops_->release(p_);
    ops_ = nullptr;
  }
  const ElemOps* ops_;
  Payload p_;
};

// Evaluates a generic argument into an owned element of the collection's type.
Box eval_elem(Runtime& rt, const Operand& op, const ElemOps& ops);

// A generic result carrying one reference of its own (a copy of a stored element).
Value copy_out(const ElemOps& ops, Payload stored);
// A generic result that takes over the given reference (an element removed
// from its collection).
Value hand_out(const ElemOps& ops, Payload owned);
// The null result (no element, e.g. a missing map key).
inline Value null_result() { return Value{}; }

}  // namespace quorin
