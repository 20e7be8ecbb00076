// Numeric handlers: one instantiation per operator and exact operand pair.
#include <array>
#include <utility>

#include "runtime/operator_families.h"
#include "runtime/operand_forms.h"
#include "runtime/operator_kernels.h"
#include "runtime/runtime.h"

namespace quorin::ops {

namespace {

constexpr bool is_integer_op(OpCode op) {
  return op == OpCode::Mod || op == OpCode::And || op == OpCode::Or || op == OpCode::Xor ||
         op == OpCode::Shl || op == OpCode::Shr;
}

constexpr TypeCode binary_result(OpCode op, TypeCode l, TypeCode r) {
  return is_integer_op(op) ? integer_result(l, r) : numeric_result(l, r);
}

template <OpCode Op, TypeCode L, TypeCode R>
inline Payload compute(Runtime& rt, Payload a, Payload b) {
  constexpr TypeCode T = binary_result(Op, L, R);
  using C = Computed<T>;
  constexpr bool integral = std::is_integral_v<C>;
  const C x = widen<T, L>(a);
  const C y = widen<T, R>(b);
  if constexpr (Op == OpCode::Add) {
    if constexpr (integral)
      return pack<T>(wrap_add(x, y));
    else
      return pack<T>(x + y);
  } else if constexpr (Op == OpCode::Sub) {
    if constexpr (integral)
      return pack<T>(wrap_sub(x, y));
    else
      return pack<T>(x - y);
  } else if constexpr (Op == OpCode::Mul) {
    if constexpr (integral)
      return pack<T>(wrap_mul(x, y));
    else
      return pack<T>(x * y);
  } else if constexpr (Op == OpCode::Div) {
    if constexpr (integral)
      return pack<T>(int_div(rt, x, y));
    else
      return pack<T>(float_div(rt, x, y));
  } else if constexpr (Op == OpCode::Mod) {
    return pack<T>(int_mod(rt, x, y));
  } else if constexpr (Op == OpCode::And) {
    return pack<T>(x & y);
  } else if constexpr (Op == OpCode::Or) {
    return pack<T>(x | y);
  } else if constexpr (Op == OpCode::Xor) {
    return pack<T>(x ^ y);
  } else if constexpr (Op == OpCode::Shl) {
    return pack<T>(shift_left(x, y));
  } else {
    static_assert(Op == OpCode::Shr);
    return pack<T>(shift_right(x, y));
  }
}

template <OpCode Op, TypeCode L, TypeCode R>
Payload binary(Runtime& rt, const Operand& self) {
  const ExprNode& e = *self.expr;
  const Payload a = e.left->eval(rt, *e.left);
  const Payload b = e.right->eval(rt, *e.right);
  return compute<Op, L, R>(rt, a, b);
}

template <OpCode Op, TypeCode L, TypeCode R, OperandForm A, OperandForm B>
Payload binary_direct(Runtime& rt, const Operand& self) {
  const ExprNode& e = *self.expr;
  const Payload a = fetch<A, L>(rt, *e.left, self.slot, self.k);
  const Payload b = fetch<B, R>(rt, *e.right, self.slot2, self.k);
  return compute<Op, L, R>(rt, a, b);
}

template <OpCode Op, TypeCode L, TypeCode R>
EvalFn direct_of(OperandForm a, OperandForm b) {
  return with_forms(a, b, []<OperandForm A, OperandForm B>() -> EvalFn { return &binary_direct<Op, L, R, A, B>; });
}

template <TypeCode L, TypeCode R>
EvalFn direct_for_pair(OpCode op, OperandForm a, OperandForm b) {
  switch (op) {
    case OpCode::Add:
      return direct_of<OpCode::Add, L, R>(a, b);
    case OpCode::Sub:
      return direct_of<OpCode::Sub, L, R>(a, b);
    case OpCode::Mul:
      return direct_of<OpCode::Mul, L, R>(a, b);
    case OpCode::Div:
      return direct_of<OpCode::Div, L, R>(a, b);
    default:
      return nullptr;
  }
}

constexpr TypeCode unary_result(TypeCode t) { return is_int_class(t) ? tc::Int : t; }

// The left slot holds the int placeholder and is not read.
template <OpCode Op, TypeCode R>
Payload unary(Runtime& rt, const Operand& self) {
  const Operand& o = *self.expr->right;
  constexpr TypeCode T = unary_result(R);
  const Computed<T> v = widen<T, R>(o.eval(rt, o));
  if constexpr (Op == OpCode::Neg) {
    if constexpr (std::is_integral_v<Computed<T>>)
      return pack<T>(wrap_neg(v));
    else
      return pack<T>(-v);
  } else {
    static_assert(Op == OpCode::Not);
    return pack<T>(~v);
  }
}

template <OpCode Op, const auto& Types, size_t... I>
constexpr auto pair_rows(std::index_sequence<I...>) {
  constexpr size_t n = std::size(Types);
  return std::array<OperatorRow, sizeof...(I)>{
      OperatorRow{Op, Types[I / n], Types[I % n], &binary<Op, Types[I / n], Types[I % n]>,
                  binary_result(Op, Types[I / n], Types[I % n])}...};
}

template <OpCode Op, const auto& Types>
constexpr auto pair_rows() {
  constexpr size_t n = std::size(Types);
  return pair_rows<Op, Types>(std::make_index_sequence<n * n>());
}

template <OpCode Op, const auto& Types, size_t... I>
constexpr auto unary_rows(std::index_sequence<I...>) {
  return std::array<OperatorRow, sizeof...(I)>{
      OperatorRow{Op, tc::Int, Types[I], &unary<Op, Types[I]>, unary_result(Types[I])}...};
}

constexpr auto kAdd = pair_rows<OpCode::Add, kNumeric>();
constexpr auto kSub = pair_rows<OpCode::Sub, kNumeric>();
constexpr auto kMul = pair_rows<OpCode::Mul, kNumeric>();
constexpr auto kDiv = pair_rows<OpCode::Div, kNumeric>();
constexpr auto kMod = pair_rows<OpCode::Mod, kInteger>();
constexpr auto kAnd = pair_rows<OpCode::And, kInteger>();
constexpr auto kOr = pair_rows<OpCode::Or, kInteger>();
constexpr auto kXor = pair_rows<OpCode::Xor, kInteger>();
constexpr auto kShl = pair_rows<OpCode::Shl, kInteger>();
constexpr auto kShr = pair_rows<OpCode::Shr, kInteger>();
constexpr auto kNeg = unary_rows<OpCode::Neg, kNumeric>(std::make_index_sequence<7>());
constexpr auto kNot = unary_rows<OpCode::Not, kInteger>(std::make_index_sequence<5>());

}  // namespace

std::span<const OperatorRow> numeric_rows(OpCode op) {
  switch (op) {
    case OpCode::Add: return kAdd;
    case OpCode::Sub: return kSub;
    case OpCode::Mul: return kMul;
    case OpCode::Div: return kDiv;
    case OpCode::Mod: return kMod;
    case OpCode::And: return kAnd;
    case OpCode::Or: return kOr;
    case OpCode::Xor: return kXor;
    case OpCode::Shl: return kShl;
    case OpCode::Shr: return kShr;
    case OpCode::Neg: return kNeg;
    case OpCode::Not: return kNot;
  }
  return {};
}

void divide_by_zero(Runtime& rt) { rt.fail(u"除数为 0"); }

}  // namespace quorin::ops

namespace quorin {

OperandForm operand_form(const Operand& op, bool in_function) {
  if (op.eval == eval_constant && is_numeric(op.type)) return OperandForm::Constant;
  if (op.kind != OperandKind::Variable || !op.var || !is_plain_use(*op.var) || op.type != op.var->var->type ||
      op.slot != op.var->var->slot)
    return OperandForm::Read;
  if (op.var->var->scope == Scope::Local) return OperandForm::Local;
  return in_function ? OperandForm::Read : OperandForm::Global;
}

bool direct_forms(const Operand& l, const Operand& r, bool in_function, OperandForm& a, OperandForm& b) {
  a = operand_form(l, in_function);
  b = operand_form(r, in_function);
  if (a == OperandForm::Read && b == OperandForm::Read) return false;
  return !(a == OperandForm::Constant && b == OperandForm::Constant);
}

namespace {
EvalFn direct_handler(OpCode op, const Operand& l, const Operand& r, OperandForm a, OperandForm b) {
  const TypeCode x = l.type, y = r.type;
  if (x == tc::Int && y == tc::Int) return ops::direct_for_pair<tc::Int, tc::Int>(op, a, b);
  if (x == tc::Long && y == tc::Long) return ops::direct_for_pair<tc::Long, tc::Long>(op, a, b);
  if (x == tc::Double && y == tc::Double) return ops::direct_for_pair<tc::Double, tc::Double>(op, a, b);
  if (x == tc::Long && y == tc::Int) return ops::direct_for_pair<tc::Long, tc::Int>(op, a, b);
  if (x == tc::Double && y == tc::Int) return ops::direct_for_pair<tc::Double, tc::Int>(op, a, b);
  if (x == tc::Int && y == tc::Double) return ops::direct_for_pair<tc::Int, tc::Double>(op, a, b);
  return nullptr;
}
}  // namespace

EvalFn direct_operator(Operand& self, bool in_function) {
  if (!self.expr || !self.expr->left || !self.expr->right) return nullptr;
  const Operand& l = *self.expr->left;
  const Operand& r = *self.expr->right;
  OperandForm a, b;
  if (!direct_forms(l, r, in_function, a, b)) return nullptr;
  EvalFn fn = direct_handler(self.expr->op, l, r, a, b);
  if (!fn) return nullptr;
  self.slot = l.slot;
  self.slot2 = r.slot;
  self.k = a == OperandForm::Constant ? l.k : r.k;
  return fn;
}

}  // namespace quorin
