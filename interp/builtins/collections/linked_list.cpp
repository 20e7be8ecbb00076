#include "builtins/collections/objects.h"

namespace quorin {

LinkedListObj::LinkedListObj(TypeCode elem) : Object(tc::LinkedList), ops(elem_ops(elem)) {}

LinkedListObj::~LinkedListObj() { clear(); }

LinkedNode* LinkedListObj::node_at(size_t i) {
  LinkedNode* n = head_;
  size_t at = 0;
  size_t distance = i;
  if (size_ - 1 - i < distance) {
    n = tail_;
    at = size_ - 1;
    distance = size_ - 1 - i;
  }
  if (cache_) {
    size_t d = cache_index_ > i ? cache_index_ - i : i - cache_index_;
    if (d < distance) {
      n = cache_;
      at = cache_index_;
    }
  }
  for (; at < i; ++at) n = n->next;
  for (; at > i; --at) n = n->prev;
  cache_ = n;
  cache_index_ = i;
  return n;
}

void LinkedListObj::link_before(LinkedNode* at, LinkedNode* n) {
  n->next = at;
  n->prev = at ? at->prev : tail_;
  if (n->prev)
    n->prev->next = n;
  else
    head_ = n;
  if (at)
    at->prev = n;
  else
    tail_ = n;
  ++size_;
}

void LinkedListObj::push_back(Box x) {
  // Appending leaves every index, and so the cached position, valid.
  link_before(nullptr, new LinkedNode{x.release()});
}

void LinkedListObj::push_front(Box x) {
  forget_cache();
  link_before(head_, new LinkedNode{x.release()});
}

void LinkedListObj::insert(size_t i, Box x) {
  if (i == size_) return push_back(std::move(x));
  LinkedNode* at = node_at(i);
  forget_cache();
  link_before(at, new LinkedNode{x.release()});
}

Payload LinkedListObj::take(LinkedNode* n) {
  for (IteratorObj* it = iterators_; it; it = it->chain_next_)
    if (it->last_ == n) it->last_ = it->reverse_ ? n->next : n->prev;
  forget_cache();
  if (n->prev)
    n->prev->next = n->next;
  else
    head_ = n->next;
  if (n->next)
    n->next->prev = n->prev;
  else
    tail_ = n->prev;
  --size_;
  Payload v = n->v;
  delete n;
  return v;
}

void LinkedListObj::clear() {
  for (IteratorObj* it = iterators_; it; it = it->chain_next_) it->last_ = nullptr;
  forget_cache();
  LinkedNode* n = head_;
  head_ = tail_ = nullptr;
  size_ = 0;
  while (n) {
    LinkedNode* next = n->next;
    ops.release(n->v);
    delete n;
    n = next;
  }
}

LinkedNode* LinkedListObj::find(Payload x) const {
  for (LinkedNode* n = head_; n; n = n->next)
    if (ops.list_eq(n->v, x)) return n;
  return nullptr;
}

int64_t LinkedListObj::index_of(Payload x) const {
  int64_t i = 0;
  for (LinkedNode* n = head_; n; n = n->next, ++i)
    if (ops.list_eq(n->v, x)) return i;
  return -1;
}

int64_t LinkedListObj::last_index_of(Payload x) const {
  int64_t i = static_cast<int64_t>(size_) - 1;
  for (LinkedNode* n = tail_; n; n = n->prev, --i)
    if (ops.list_eq(n->v, x)) return i;
  return -1;
}

void LinkedListObj::attach(IteratorObj* it) {
  it->chain_prev_ = nullptr;
  it->chain_next_ = iterators_;
  if (iterators_) iterators_->chain_prev_ = it;
  iterators_ = it;
}

void LinkedListObj::detach(IteratorObj* it) {
  if (it->chain_prev_)
    it->chain_prev_->chain_next_ = it->chain_next_;
  else
    iterators_ = it->chain_next_;
  if (it->chain_next_) it->chain_next_->chain_prev_ = it->chain_prev_;
  it->chain_prev_ = it->chain_next_ = nullptr;
}

}  // namespace quorin
