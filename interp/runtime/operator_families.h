// The row families the operator table is assembled from (internal).
#pragma once
#include <span>

#include "runtime/operators.h"

namespace quorin::ops {

inline constexpr TypeCode kNumeric[7] = {tc::Byte, tc::Char, tc::Short, tc::Int,
                                         tc::Long, tc::Float, tc::Double};
inline constexpr TypeCode kInteger[5] = {tc::Byte, tc::Char, tc::Short, tc::Int, tc::Long};

// The 49 numeric pairs of + - * /, the 25 integer pairs of % & | ^ << >>,
// or the unary rows of Neg (7) and Not (5).
std::span<const OperatorRow> numeric_rows(OpCode op);
// The 15 rows of + that join a string with a string or a number.
std::span<const OperatorRow> string_join_rows();

}  // namespace quorin::ops
