#include "builtins/collections/builtins.h"
#include "builtins/collections/objects.h"
#include "support/format.h"

namespace quorin {

namespace {

ArrayListObj& list_of(ListArg a) { return *static_cast<ArrayListObj*>(a.obj()); }

int32_t size_of(const ArrayListObj& l) { return static_cast<int32_t>(l.size()); }

// `what` is the call as shown in the message, up to the index ("arraylist_set(%.64s, %d, ...)").
[[noreturn]] void index_error(Runtime& rt, const char16_t* what, ListArg a, int32_t i, bool no_space = false) {
  std::u16string call = format16(what, a.name, i);
  rt.fail(format16(no_space ? u"%s 动态数组索引越界.\n\n数组大小: %d, 索引位置:%d"
                            : u"%s 动态数组索引越界.\n\n数组大小: %d, 索引位置: %d",
                   call, size_of(list_of(a)), i));
}

bool in_range(const ArrayListObj& l, int32_t i) { return i >= 0 && static_cast<size_t>(i) < l.size(); }

}  // namespace

void arraylist_reset_capacity_factor(ListArg list, int32_t capacity, int32_t step) {
  list_of(list).reset_capacity(capacity, step);
}

void arraylist_add(Runtime& rt, ListArg list, GenericArg<tc::GenericT> x) {
  ArrayListObj& l = list_of(list);
  l.push_back(eval_elem(rt, *x.op, l.ops));
}

void arraylist_insert(Runtime& rt, ListArg list, int32_t i, GenericArg<tc::GenericT> x) {
  ArrayListObj& l = list_of(list);
  Box e = eval_elem(rt, *x.op, l.ops);
  if (i < 0 || static_cast<size_t>(i) > l.size()) index_error(rt, u"arraylist_insert(%.64s, %d, ...)", list, i);
  l.insert(static_cast<size_t>(i), std::move(e));
}

int32_t arraylist_index_of(Runtime& rt, ListArg list, GenericArg<tc::GenericT> x) {
  ArrayListObj& l = list_of(list);
  Box e = eval_elem(rt, *x.op, l.ops);
  return static_cast<int32_t>(l.index_of(e.get()));
}

int32_t arraylist_last_index_of(Runtime& rt, ListArg list, GenericArg<tc::GenericT> x) {
  ArrayListObj& l = list_of(list);
  Box e = eval_elem(rt, *x.op, l.ops);
  return static_cast<int32_t>(l.last_index_of(e.get()));
}

int32_t arraylist_contains(Runtime& rt, ListArg list, GenericArg<tc::GenericT> x) {
  return arraylist_index_of(rt, list, x) >= 0 ? 1 : 0;
}

int32_t arraylist_remove(Runtime& rt, ListArg list, GenericArg<tc::GenericT> x) {
  ArrayListObj& l = list_of(list);
  Box e = eval_elem(rt, *x.op, l.ops);
  int64_t i = l.index_of(e.get());
  if (i < 0) return 0;
  l.ops.release(l.take(static_cast<size_t>(i)));
  return 1;
}

Value arraylist_remove_index(Runtime& rt, ListArg list, int32_t i) {
  ArrayListObj& l = list_of(list);
  if (!in_range(l, i)) index_error(rt, u"arraylist_remove_index(%.64s, %d)", list, i);
  return hand_out(l.ops, l.take(static_cast<size_t>(i)));
}

Value arraylist_set(Runtime& rt, ListArg list, int32_t i, GenericArg<tc::GenericT> x) {
  ArrayListObj& l = list_of(list);
  Box e = eval_elem(rt, *x.op, l.ops);
  if (!in_range(l, i)) index_error(rt, u"arraylist_set(%.64s, %d, ...)", list, i);
  return hand_out(l.ops, l.replace(static_cast<size_t>(i), std::move(e)));
}

Value arraylist_get(Runtime& rt, ListArg list, int32_t i) {
  ArrayListObj& l = list_of(list);
  if (!in_range(l, i)) index_error(rt, u"arraylist_get(%.64s, %d)", list, i, true);
  return copy_out(l.ops, l.at(static_cast<size_t>(i)));
}

int32_t arraylist_get_size(ListArg list) { return size_of(list_of(list)); }

void arraylist_clear(ListArg list) { list_of(list).clear(); }

}  // namespace quorin
