// Cost of one operator handler call on constant operands.
#include <benchmark/benchmark.h>

#include <deque>

#include "runtime/operators.h"
#include "runtime/runtime.h"
#include "runtime/stdio_ui_port.h"

namespace quorin {
namespace {

Payload constant(Runtime&, const Operand& op) { return op.k; }
Payload shared_string(Runtime&, const Operand& op) {
  str_retain(op.k.str);
  return op.k;
}

struct Bench {
  Program program;
  StdioUiPort ui;
  Runtime rt{program, ui};
  std::deque<Operand> operands;
  std::deque<ExprNode> exprs;

  ~Bench() {
    for (Operand& o : operands)
      if (o.eval == shared_string) str_release(o.k.str);
  }
  Operand* leaf(TypeCode t, Payload p, EvalFn fn = constant) {
    Operand& o = operands.emplace_back();
    o.type = t;
    o.k = p;
    o.eval = fn;
    return &o;
  }
  Operand* text(std::u16string_view s) { return leaf(tc::String, make_str(str_new(s)), shared_string); }
  Operand* node(OpCode op, Operand* l, Operand* r) {
    const OperatorRow* row = find_operator(op, l->type, r->type);
    ExprNode& e = exprs.emplace_back();
    e.left = l;
    e.right = r;
    e.op = op;
    e.resolved = true;
    e.result = row->result;
    Operand& o = operands.emplace_back();
    o.kind = OperandKind::Expr;
    o.type = row->result;
    o.expr = &e;
    o.eval = row->handler;
    return &o;
  }
  CompareNode compare(CmpOp op, Operand* l, Operand* r) {
    return CompareNode{l, r, op, find_comparison(op, l->type, r->type)};
  }
};

void BM_IntAdd(benchmark::State& state) {
  Bench b;
  Operand* n = b.node(OpCode::Add, b.leaf(tc::Int, make_int(41)), b.leaf(tc::Int, make_int(1)));
  for (auto _ : state) benchmark::DoNotOptimize(n->eval(b.rt, *n).i);
}
BENCHMARK(BM_IntAdd);

void BM_IntDiv(benchmark::State& state) {
  Bench b;
  Operand* n = b.node(OpCode::Div, b.leaf(tc::Int, make_int(1000)), b.leaf(tc::Byte, make_int(7)));
  for (auto _ : state) benchmark::DoNotOptimize(n->eval(b.rt, *n).i);
}
BENCHMARK(BM_IntDiv);

void BM_LongMul(benchmark::State& state) {
  Bench b;
  Operand* n = b.node(OpCode::Mul, b.leaf(tc::Long, make_long(123456789)), b.leaf(tc::Int, make_int(3)));
  for (auto _ : state) benchmark::DoNotOptimize(n->eval(b.rt, *n).l);
}
BENCHMARK(BM_LongMul);

void BM_DoubleDiv(benchmark::State& state) {
  Bench b;
  Operand* n = b.node(OpCode::Div, b.leaf(tc::Double, make_double(10.0)), b.leaf(tc::Float, make_float(3.0f)));
  for (auto _ : state) benchmark::DoNotOptimize(n->eval(b.rt, *n).d);
}
BENCHMARK(BM_DoubleDiv);

// ((a + b) * c - d) with ints: four handler calls per evaluation.
void BM_IntTree(benchmark::State& state) {
  Bench b;
  Operand* sum = b.node(OpCode::Add, b.leaf(tc::Int, make_int(3)), b.leaf(tc::Int, make_int(4)));
  Operand* prod = b.node(OpCode::Mul, sum, b.leaf(tc::Short, make_int(5)));
  Operand* n = b.node(OpCode::Sub, prod, b.leaf(tc::Int, make_int(6)));
  for (auto _ : state) benchmark::DoNotOptimize(n->eval(b.rt, *n).i);
}
BENCHMARK(BM_IntTree);

void BM_StringPlusString(benchmark::State& state) {
  Bench b;
  Operand* n = b.node(OpCode::Add, b.text(u"路径前缀\\"), b.text(u"文件名.txt"));
  for (auto _ : state) str_release(n->eval(b.rt, *n).str);
}
BENCHMARK(BM_StringPlusString);

void BM_StringPlusInt(benchmark::State& state) {
  Bench b;
  Operand* n = b.node(OpCode::Add, b.text(u"count="), b.leaf(tc::Int, make_int(-123456)));
  for (auto _ : state) str_release(n->eval(b.rt, *n).str);
}
BENCHMARK(BM_StringPlusInt);

void BM_StringPlusDouble(benchmark::State& state) {
  Bench b;
  Operand* n = b.node(OpCode::Add, b.text(u"x="), b.leaf(tc::Double, make_double(3.14159)));
  for (auto _ : state) str_release(n->eval(b.rt, *n).str);
}
BENCHMARK(BM_StringPlusDouble);

void BM_CompareLongDouble(benchmark::State& state) {
  Bench b;
  CompareNode c = b.compare(CmpOp::Lt, b.leaf(tc::Long, make_long(9007199254740993LL)),
                            b.leaf(tc::Double, make_double(9007199254740992.0)));
  for (auto _ : state) benchmark::DoNotOptimize(c.handler(b.rt, c));
}
BENCHMARK(BM_CompareLongDouble);

void BM_CompareStrings(benchmark::State& state) {
  Bench b;
  CompareNode c = b.compare(CmpOp::Eq, b.text(u"同样的一段文字"), b.text(u"同样的一段文字"));
  for (auto _ : state) benchmark::DoNotOptimize(c.handler(b.rt, c));
}
BENCHMARK(BM_CompareStrings);

}  // namespace
}  // namespace quorin
