// The operator and comparison tables.  Every row pairs an operator with the
// exact types of its two operands and names the handler built for that pair,
// so the compiler resolves an expression node once and the running script
// only calls the stored handler: no handler ever tests a type.
//
// Keying of unary rows: a unary `-` or `~` node keeps an int placeholder in
// its left slot, so its rows are keyed (Neg|Not, tc::Int, operand type).  The
// handler reads only the right operand; the placeholder is never evaluated.
//
// Operand ownership: a handler consumes the references its operands hand
// over (strings, objects) and releases them, also when the right operand's
// evaluation ends the run.
#pragma once
#include <cstddef>
#include <span>

#include "frontend/program_model.h"

namespace quorin {

struct OperatorRow {
  OpCode op;
  TypeCode left;
  TypeCode right;
  EvalFn handler;
  TypeCode result;
};

struct ComparisonRow {
  CmpOp op;
  TypeCode left;
  TypeCode right;
  CompareFn handler;
};

// The arithmetic, bitwise and shift rows (string joining included).
std::span<const OperatorRow> operator_table();
// The comparison rows.
std::span<const ComparisonRow> comparison_table();

// The row for an operator and its operand types, or null when the pair has
// no row (the expression is then untyped).
const OperatorRow* find_operator(OpCode op, TypeCode left, TypeCode right);
// The handler for a comparison and its operand types, or null.
CompareFn find_comparison(CmpOp op, TypeCode left, TypeCode right);

inline constexpr size_t kOperatorRows = 373;
inline constexpr size_t kComparisonRows = 310;

// Result type of + - * / on two numeric types.
constexpr TypeCode numeric_result(TypeCode l, TypeCode r) {
  if (l == tc::Double || r == tc::Double) return tc::Double;
  if ((l == tc::Float && r == tc::Long) || (l == tc::Long && r == tc::Float)) return tc::Double;
  if (l == tc::Float || r == tc::Float) return tc::Float;
  if (l == tc::Long || r == tc::Long) return tc::Long;
  return tc::Int;
}

// Result type of % & | ^ << >> on two integer types.
constexpr TypeCode integer_result(TypeCode l, TypeCode r) {
  return (l == tc::Long || r == tc::Long) ? tc::Long : tc::Int;
}

}  // namespace quorin
