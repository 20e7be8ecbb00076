// Comparison handlers and their table: numbers by exact value, strings in
// code-unit order (as wcscmp), Bmp by image, collections by identity.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <type_traits>
#include <utility>

#include "runtime/bmp_equality.h"
#include "runtime/exact_compare.h"
#include "runtime/object.h"
#include "runtime/operand_forms.h"
#include "runtime/operator_families.h"
#include "runtime/operator_kernels.h"
#include "runtime/runtime.h"

namespace quorin {

namespace {

using ops::Computed;
using ops::take;

template <CmpOp Op, class T>
inline bool apply(T a, T b) {
  if constexpr (Op == CmpOp::Gt) return a > b;
  else if constexpr (Op == CmpOp::Ge) return a >= b;
  else if constexpr (Op == CmpOp::Eq) return a == b;
  else if constexpr (Op == CmpOp::Ne) return a != b;
  else if constexpr (Op == CmpOp::Lt) return a < b;
  else return a <= b;
}

template <CmpOp Op>
inline bool holds(Order o) {
  if constexpr (Op == CmpOp::Gt) return o == Order::Greater;
  else if constexpr (Op == CmpOp::Ge) return o == Order::Greater || o == Order::Equal;
  else if constexpr (Op == CmpOp::Eq) return o == Order::Equal;
  else if constexpr (Op == CmpOp::Ne) return o != Order::Equal;
  else if constexpr (Op == CmpOp::Lt) return o == Order::Less;
  else return o == Order::Less || o == Order::Equal;
}

template <CmpOp Op, TypeCode L, TypeCode R>
inline bool compare_payloads(Payload a, Payload b) {
  using X = Computed<L>;
  using Y = Computed<R>;
  const X x = take<L>(a);
  const Y y = take<R>(b);
  if constexpr (std::is_same_v<X, int64_t> && std::is_floating_point_v<Y>) {
    return holds<Op>(order_long_double(x, static_cast<double>(y)));
  } else if constexpr (std::is_floating_point_v<X> && std::is_same_v<Y, int64_t>) {
    return holds<Op>(reversed(order_long_double(y, static_cast<double>(x))));
  } else if constexpr (std::is_integral_v<X> && std::is_integral_v<Y>) {
    using C = std::conditional_t<(sizeof(X) > sizeof(Y)), X, Y>;
    return apply<Op, C>(x, y);
  } else if constexpr (std::is_same_v<X, float> && std::is_same_v<Y, float>) {
    return apply<Op, float>(x, y);
  } else {
    // int or float against double, int against float: all exact as doubles.
    return apply<Op, double>(static_cast<double>(x), static_cast<double>(y));
  }
}

template <CmpOp Op, TypeCode L, TypeCode R>
bool compare_numbers(Runtime& rt, const CompareNode& n) {
  const Payload a = n.left->eval(rt, *n.left);
  const Payload b = n.right->eval(rt, *n.right);
  return compare_payloads<Op, L, R>(a, b);
}

template <CmpOp Op, TypeCode L, TypeCode R, OperandForm A, OperandForm B>
bool compare_direct(Runtime& rt, const CompareNode& n) {
  const Payload a = fetch<A, L>(rt, *n.left, n.left_slot, n.k);
  const Payload b = fetch<B, R>(rt, *n.right, n.right_slot, n.k);
  return compare_payloads<Op, L, R>(a, b);
}

template <TypeCode L, TypeCode R>
CompareFn direct_compare_pair(CmpOp op, OperandForm a, OperandForm b) {
  auto of = [&]<CmpOp Op>() -> CompareFn {
    return with_forms(a, b, []<OperandForm A, OperandForm B>() -> CompareFn { return &compare_direct<Op, L, R, A, B>; });
  };
  switch (op) {
    case CmpOp::Gt:
      return of.template operator()<CmpOp::Gt>();
    case CmpOp::Ge:
      return of.template operator()<CmpOp::Ge>();
    case CmpOp::Eq:
      return of.template operator()<CmpOp::Eq>();
    case CmpOp::Ne:
      return of.template operator()<CmpOp::Ne>();
    case CmpOp::Lt:
      return of.template operator()<CmpOp::Lt>();
    default:
      return of.template operator()<CmpOp::Le>();
  }
}

// wcscmp: code unit by code unit up to the first NUL.
inline int text_order(const char16_t* a, const char16_t* b) {
  while (*a != 0 && *a == *b) {
    ++a;
    ++b;
  }
  return static_cast<int>(*a) - static_cast<int>(*b);
}

template <CmpOp Op>
bool compare_strings(Runtime& rt, const CompareNode& n) {
  Str a = Str::adopt(n.left->eval(rt, *n.left).str);
  Str b = Str::adopt(n.right->eval(rt, *n.right).str);
  return apply<Op, int>(text_order(a.c_str(), b.c_str()), 0);
}

// Holds an evaluated object reference until the comparison is done.
struct Held {
  Object* o;
  explicit Held(Payload p) : o(p.obj) {}
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() { obj_release(o); }
};

template <CmpOp Op, TypeCode T>
bool compare_objects(Runtime& rt, const CompareNode& n) {
  static_assert(Op == CmpOp::Eq || Op == CmpOp::Ne);
  const Held a(n.left->eval(rt, *n.left));
  const Held b(n.right->eval(rt, *n.right));
  bool same;
  if constexpr (T == tc::Bmp)
    same = bmp_images_equal(a.o, b.o);
  else
    same = a.o == b.o;
  return Op == CmpOp::Eq ? same : !same;
}

constexpr TypeCode kHandles[5] = {tc::Bmp, tc::ArrayList, tc::LinkedList, tc::HashMap, tc::Iterator};

template <CmpOp Op, size_t... I>
constexpr auto numeric_cmp_rows(std::index_sequence<I...>) {
  constexpr auto& t = ops::kNumeric;
  return std::array<ComparisonRow, sizeof...(I)>{
      ComparisonRow{Op, t[I / 7], t[I % 7], &compare_numbers<Op, t[I / 7], t[I % 7]>}...};
}

template <CmpOp Op, size_t... I>
constexpr auto handle_rows(std::index_sequence<I...>) {
  return std::array<ComparisonRow, sizeof...(I)>{
      ComparisonRow{Op, kHandles[I], kHandles[I], &compare_objects<Op, kHandles[I]>}...};
}

// The rows of one operator: numeric pairs, string with string, and for ==
// and != each handle type with itself.
template <CmpOp Op>
constexpr auto rows_of() {
  constexpr bool equality = Op == CmpOp::Eq || Op == CmpOp::Ne;
  constexpr size_t handles = equality ? std::size(kHandles) : 0;
  const auto nums = numeric_cmp_rows<Op>(std::make_index_sequence<49>());
  const auto objs = handle_rows<Op>(std::make_index_sequence<handles>());
  std::array<ComparisonRow, 49 + 1 + handles> out{};
  size_t k = 0;
  for (const auto& r : nums) out[k++] = r;
  out[k++] = ComparisonRow{Op, tc::String, tc::String, &compare_strings<Op>};
  for (const auto& r : objs) out[k++] = r;
  return out;
}

template <class... A>
constexpr auto concat(const A&... parts) {
  std::array<ComparisonRow, (std::tuple_size_v<A> + ...)> out{};
  size_t k = 0;
  ((std::copy(parts.begin(), parts.end(), out.begin() + k), k += parts.size()), ...);
  return out;
}

constexpr auto kRows = concat(rows_of<CmpOp::Gt>(), rows_of<CmpOp::Ge>(), rows_of<CmpOp::Eq>(),
                              rows_of<CmpOp::Ne>(), rows_of<CmpOp::Lt>(), rows_of<CmpOp::Le>());
static_assert(kRows.size() == kComparisonRows);

constexpr TypeCode kMaxOperand = tc::Iterator;
constexpr size_t kCmpOps = static_cast<size_t>(CmpOp::Le) + 1;

struct ComparisonIndex {
  CompareFn fn[kCmpOps][kMaxOperand + 1][kMaxOperand + 1] = {};
  ComparisonIndex() {
    for (const ComparisonRow& r : kRows) {
      CompareFn& slot = fn[static_cast<size_t>(r.op)][r.left][r.right];
      if (!slot) slot = r.handler;
    }
  }
};

}  // namespace

std::span<const ComparisonRow> comparison_table() { return kRows; }

CompareFn direct_comparison(CompareNode& node, bool in_function) {
  if (!node.left || !node.right) return nullptr;
  const Operand& l = *node.left;
  const Operand& r = *node.right;
  OperandForm a, b;
  if (!direct_forms(l, r, in_function, a, b)) return nullptr;
  const TypeCode x = l.type, y = r.type;
  CompareFn fn = nullptr;
  if (x == tc::Int && y == tc::Int) fn = direct_compare_pair<tc::Int, tc::Int>(node.op, a, b);
  if (x == tc::Long && y == tc::Long) fn = direct_compare_pair<tc::Long, tc::Long>(node.op, a, b);
  if (x == tc::Double && y == tc::Double) fn = direct_compare_pair<tc::Double, tc::Double>(node.op, a, b);
  if (!fn) return nullptr;
  node.left_slot = l.slot;
  node.right_slot = r.slot;
  node.k = a == OperandForm::Constant ? l.k : r.k;
  return fn;
}

CompareFn find_comparison(CmpOp op, TypeCode left, TypeCode right) {
  static const ComparisonIndex index;
  const size_t o = static_cast<size_t>(op);
  if (o >= kCmpOps || left < 0 || left > kMaxOperand || right < 0 || right > kMaxOperand) return nullptr;
  return index.fn[o][left][right];
}

}  // namespace quorin
