#include "builtins/collections/builtins.h"
#include "builtins/collections/objects.h"
#include "support/format.h"

namespace quorin {

namespace {

LinkedListObj& list_of(LinkedArg a) { return *static_cast<LinkedListObj*>(a.obj()); }

int32_t size_of(const LinkedListObj& l) { return static_cast<int32_t>(l.size()); }

[[noreturn]] void index_error(Runtime& rt, const char16_t* what, LinkedArg a, int32_t i, bool no_space = false) {
  std::u16string call = format16(what, a.name, i);
  rt.fail(format16(no_space ? u"%s 链表索引越界.\n\n链表大小: %d, 索引位置:%d"
                            : u"%s 链表索引越界.\n\n链表大小: %d, 索引位置: %d",
                   call, size_of(list_of(a)), i));
}

[[noreturn]] void empty_error(Runtime& rt, const char16_t* builtin, LinkedArg a) {
  rt.fail(format16(u"%s(%.64s) 链表为空", builtin, a.name));
}

bool in_range(const LinkedListObj& l, int32_t i) { return i >= 0 && static_cast<size_t>(i) < l.size(); }

ObjResult<tc::Iterator> new_iterator(Runtime& rt, LinkedArg list, bool reverse) {
  return {obj_new<IteratorObj>(rt.objects, &list_of(list), reverse)};
}

}  // namespace

void linkedlist_add(Runtime& rt, LinkedArg list, GenericArg<tc::GenericT> x) {
  LinkedListObj& l = list_of(list);
  l.push_back(eval_elem(rt, *x.op, l.ops));
}

void linkedlist_add_first(Runtime& rt, LinkedArg list, GenericArg<tc::GenericT> x) {
  LinkedListObj& l = list_of(list);
  l.push_front(eval_elem(rt, *x.op, l.ops));
}

void linkedlist_insert(Runtime& rt, LinkedArg list, int32_t i, GenericArg<tc::GenericT> x) {
  LinkedListObj& l = list_of(list);
  Box e = eval_elem(rt, *x.op, l.ops);
  if (i < 0 || static_cast<size_t>(i) > l.size()) index_error(rt, u"linkedlist_insert(%.64s, %d, ...)", list, i);
  l.insert(static_cast<size_t>(i), std::move(e));
}

int32_t linkedlist_index_of(Runtime& rt, LinkedArg list, GenericArg<tc::GenericT> x) {
  LinkedListObj& l = list_of(list);
  Box e = eval_elem(rt, *x.op, l.ops);
  return static_cast<int32_t>(l.index_of(e.get()));
}

int32_t linkedlist_last_index_of(Runtime& rt, LinkedArg list, GenericArg<tc::GenericT> x) {
  LinkedListObj& l = list_of(list);
  Box e = eval_elem(rt, *x.op, l.ops);
  return static_cast<int32_t>(l.last_index_of(e.get()));
}

int32_t linkedlist_contains(Runtime& rt, LinkedArg list, GenericArg<tc::GenericT> x) {
  return linkedlist_index_of(rt, list, x) >= 0 ? 1 : 0;
}

int32_t linkedlist_remove(Runtime& rt, LinkedArg list, GenericArg<tc::GenericT> x) {
  LinkedListObj& l = list_of(list);
  Box e = eval_elem(rt, *x.op, l.ops);
  LinkedNode* n = l.find(e.get());
  if (!n) return 0;
  l.ops.release(l.take(n));
  return 1;
}

Value linkedlist_remove_index(Runtime& rt, LinkedArg list, int32_t i) {
  LinkedListObj& l = list_of(list);
  if (!in_range(l, i)) index_error(rt, u"linkedlist_remove_index(%.64s, %d)", list, i);
  return hand_out(l.ops, l.take(l.node_at(static_cast<size_t>(i))));
}

Value linkedlist_remove_first(Runtime& rt, LinkedArg list) {
  LinkedListObj& l = list_of(list);
  if (!l.head()) empty_error(rt, u"linkedlist_remove_first", list);
  return hand_out(l.ops, l.take(l.head()));
}

Value linkedlist_remove_last(Runtime& rt, LinkedArg list) {
  LinkedListObj& l = list_of(list);
  if (!l.tail()) empty_error(rt, u"linkedlist_remove_last", list);
  return hand_out(l.ops, l.take(l.tail()));
}

Value linkedlist_set(Runtime& rt, LinkedArg list, int32_t i, GenericArg<tc::GenericT> x) {
  LinkedListObj& l = list_of(list);
  Box e = eval_elem(rt, *x.op, l.ops);
  if (!in_range(l, i)) index_error(rt, u"linkedlist_set(%.64s, %d, ...)", list, i);
  LinkedNode* n = l.node_at(static_cast<size_t>(i));
  Payload old = n->v;
  n->v = e.release();
  return hand_out(l.ops, old);
}

Value linkedlist_get(Runtime& rt, LinkedArg list, int32_t i) {
  LinkedListObj& l = list_of(list);
  if (!in_range(l, i)) index_error(rt, u"linkedlist_get(%.64s, %d)", list, i, true);
  return copy_out(l.ops, l.node_at(static_cast<size_t>(i))->v);
}

Value linkedlist_get_first(Runtime& rt, LinkedArg list) {
  LinkedListObj& l = list_of(list);
  if (!l.head()) empty_error(rt, u"linkedlist_get_first", list);
  return copy_out(l.ops, l.head()->v);
}

Value linkedlist_get_last(Runtime& rt, LinkedArg list) {
  LinkedListObj& l = list_of(list);
  if (!l.tail()) empty_error(rt, u"linkedlist_get_last", list);
  return copy_out(l.ops, l.tail()->v);
}

ObjResult<tc::Iterator> linkedlist_iterator(Runtime& rt, LinkedArg list) { return new_iterator(rt, list, false); }

ObjResult<tc::Iterator> linkedlist_iterator_reverse(Runtime& rt, LinkedArg list) {
  return new_iterator(rt, list, true);
}

int32_t linkedlist_get_size(LinkedArg list) { return size_of(list_of(list)); }

void linkedlist_clear(LinkedArg list) { list_of(list).clear(); }

}  // namespace quorin
