// Assembles the operator table from its families and indexes it for lookup.
#include <array>
#include <cstdlib>

#include "runtime/operator_families.h"

namespace quorin {

namespace {

// Operand types of operator rows: the numeric types and string.
constexpr TypeCode kMaxOperand = tc::String;
constexpr size_t kOps = static_cast<size_t>(OpCode::Not) + 1;

struct OperatorTable {
  std::array<OperatorRow, kOperatorRows> rows{};
  // First row for (op, left, right), as the table order gives it.
  const OperatorRow* index[kOps][kMaxOperand + 1][kMaxOperand + 1] = {};

  OperatorTable() {
    size_t n = 0;
    auto append = [&](std::span<const OperatorRow> family) {
      for (const OperatorRow& r : family) {
        if (n == rows.size()) std::abort();  // the families disagree with kOperatorRows
        rows[n++] = r;
      }
    };
    append(ops::numeric_rows(OpCode::Add));
    append(ops::string_join_rows());
    for (OpCode op : {OpCode::Sub, OpCode::Mul, OpCode::Div, OpCode::Mod, OpCode::And, OpCode::Or,
                      OpCode::Xor, OpCode::Shl, OpCode::Shr, OpCode::Neg, OpCode::Not})
      append(ops::numeric_rows(op));
    if (n != rows.size()) std::abort();
    for (const OperatorRow& r : rows) {
      const OperatorRow*& slot = index[static_cast<size_t>(r.op)][r.left][r.right];
      if (!slot) slot = &r;
    }
  }
};

const OperatorTable& table() {
  static const OperatorTable t;
  return t;
}

}  // namespace

std::span<const OperatorRow> operator_table() { return table().rows; }

const OperatorRow* find_operator(OpCode op, TypeCode left, TypeCode right) {
  const size_t o = static_cast<size_t>(op);
  if (o >= kOps || left < 0 || left > kMaxOperand || right < 0 || right > kMaxOperand) return nullptr;
  return table().index[o][left][right];
}

}  // namespace quorin
