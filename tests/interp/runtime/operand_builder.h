// Hand-built operand trees for runtime tests: constants of every value type
// and expression nodes whose handler comes from the operator table.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "frontend/program_model.h"
#include "runtime/object.h"
#include "runtime/operators.h"
#include "runtime/runtime.h"
#include "interp/runtime/test_ui_port.h"

namespace quorin::testing {

// Constants keep their payload in computed form; strings and objects hand
// out a new reference on every evaluation, as variables do.
inline Payload eval_scalar(Runtime&, const Operand& op) { return op.k; }
inline Payload eval_shared_str(Runtime&, const Operand& op) {
  str_retain(op.k.str);
  return op.k;
}
inline Payload eval_shared_obj(Runtime&, const Operand& op) {
  obj_retain(op.k.obj);
  return op.k;
}

class OperandBuilder {
 public:
  OperandBuilder() = default;
  OperandBuilder(const OperandBuilder&) = delete;
  OperandBuilder& operator=(const OperandBuilder&) = delete;
  ~OperandBuilder() {
    for (Operand& o : operands_) {
      if (o.eval == eval_shared_str) str_release(o.k.str);
      if (o.eval == eval_shared_obj) obj_release(o.k.obj);
    }
  }

  Operand* scalar(TypeCode t, Payload p) {
    Operand& o = operands_.emplace_back();
    o.kind = static_cast<OperandKind>(t);
    o.type = t;
    o.k = p;
    o.eval = eval_scalar;
    return &o;
  }
  // byte, char, short and int constants; give the computed (widened) value.
  Operand* i(int32_t v, TypeCode t = tc::Int) { return scalar(t, make_int(v)); }
  Operand* b(uint8_t v) { return i(v, tc::Byte); }
  Operand* c(char16_t v) { return i(v, tc::Char); }
  Operand* s(int16_t v) { return i(v, tc::Short); }
  Operand* l(int64_t v) { return scalar(tc::Long, make_long(v)); }
  Operand* f(float v) { return scalar(tc::Float, make_float(v)); }
  Operand* d(double v) { return scalar(tc::Double, make_double(v)); }
  Operand* str(std::u16string_view text) {
    Operand* o = scalar(tc::String, make_str(str_new(text)));
    o->eval = eval_shared_str;
    return o;
  }
  // Takes over one reference of `obj`.
  Operand* obj(Object* obj) {
    Operand* o = scalar(obj->type, make_obj(obj));
    o->kind = OperandKind::Variable;
    o->eval = eval_shared_obj;
    return o;
  }

  // A kind-10 node, or null when the operator table has no row for the pair.
  Operand* node(OpCode op, Operand* left, Operand* right) {
    const OperatorRow* row = find_operator(op, left->type, right->type);
    if (!row) return nullptr;
    ExprNode& e = exprs_.emplace_back();
    e.left = left;
    e.right = right;
    e.op = op;
    e.resolved = true;
    e.result = row->result;
    Operand& o = operands_.emplace_back();
    o.kind = OperandKind::Expr;
    o.type = row->result;
    o.expr = &e;
    o.eval = row->handler;
    return &o;
  }
  Operand* unary(OpCode op, Operand* x) { return node(op, i(0), x); }

  CompareNode* compare(CmpOp op, Operand* left, Operand* right) {
    CompareFn fn = find_comparison(op, left->type, right->type);
    if (!fn) return nullptr;
    return &compares_.emplace_back(CompareNode{left, right, op, fn});
  }

 private:
  std::deque<Operand> operands_;
  std::deque<ExprNode> exprs_;
  std::deque<CompareNode> compares_;
};

// A run context with a recording UI and a builder.
class RuntimeTest : public ::testing::Test {
 protected:
  Program program;
  TestUiPort ui;
  Runtime rt{program, ui};
  OperandBuilder k;

  Payload eval(Operand* o) { return o->eval(rt, *o); }
  std::u16string text(Operand* o) { return Str::adopt(eval(o).str).str(); }
  bool holds(CmpOp op, Operand* left, Operand* right) {
    CompareNode* n = k.compare(op, left, right);
    EXPECT_NE(n, nullptr) << "no comparison row";
    return n && n->handler(rt, *n);
  }
};

}  // namespace quorin::testing
