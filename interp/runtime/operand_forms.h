// Handlers that read their simple operands themselves.  An operator or
// comparison whose operand is a numeric constant or a plain variable gets,
// when the script is compiled, a handler that takes the constant from the
// operand and the value from the variable's slot, instead of calling the
// operand's reader.  Anything unusual about the slot at run time (a local
// not created yet, an undefined global) goes to the reader, which has the
// checks and the messages.
#pragma once
#include "runtime/routines.h"
#include "runtime/storage.h"

namespace quorin {

enum class OperandForm : uint8_t { Read, Constant, Global, Local };

// How a handler may read `op`.  Inside a function a global's use may still be
// pointed at a local of the same name when the function's compile ends, so
// there globals are read through their reader.
OperandForm operand_form(const Operand& op, bool in_function);

// Reads an operand of form F: the constant `k`, the variable in `slot`, or
// through the operand's reader.  The node that calls it keeps the slot and
// the constant itself, so the read starts there and not at the operand.
template <OperandForm F, TypeCode T>
inline Payload fetch(Runtime& rt, const Operand& op, int32_t slot, Payload k) {
  if constexpr (F == OperandForm::Constant) {
    return k;
  } else if constexpr (F == OperandForm::Global) {
    const Slot* s = &rt.globals[static_cast<size_t>(slot)];
    if (s->defined) [[likely]]
      return load<T>(&s->value.v);
    return op.eval(rt, op);
  } else if constexpr (F == OperandForm::Local) {
    if (const Slot* base = rt.frame_base) [[likely]] {
      const Slot* s = base + slot;
      if (s->present) [[likely]]
        return load<T>(&s->value.v);
    }
    return op.eval(rt, op);
  } else {
    return op.eval(rt, op);
  }
}

// The forms of a pair of operands; both constant is left to the table's handler.
bool direct_forms(const Operand& l, const Operand& r, bool in_function, OperandForm& a, OperandForm& b);

// Calls f.template operator()<A, B>() with the two forms.
template <class F>
decltype(auto) with_forms(OperandForm a, OperandForm b, F&& f) {
  auto second = [&]<OperandForm A>() -> decltype(auto) {
    switch (b) {
      case OperandForm::Constant:
        return f.template operator()<A, OperandForm::Constant>();
      case OperandForm::Global:
        return f.template operator()<A, OperandForm::Global>();
      case OperandForm::Local:
        return f.template operator()<A, OperandForm::Local>();
      default:
        return f.template operator()<A, OperandForm::Read>();
    }
  };
  switch (a) {
    case OperandForm::Constant:
      return second.template operator()<OperandForm::Constant>();
    case OperandForm::Global:
      return second.template operator()<OperandForm::Global>();
    case OperandForm::Local:
      return second.template operator()<OperandForm::Local>();
    default:
      return second.template operator()<OperandForm::Read>();
  }
}

}  // namespace quorin
