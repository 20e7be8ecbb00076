#include "builtins/collections/objects.h"

namespace quorin {

IteratorObj::IteratorObj(TypeCode elem) : Object(tc::Iterator), ops(elem_ops(elem)) {}

IteratorObj::IteratorObj(LinkedListObj* list, bool reverse)
    : Object(tc::Iterator), ops(list->ops), list_(list), reverse_(reverse) {
  obj_retain(list_);
  list_->attach(this);
}

IteratorObj::IteratorObj(TypeCode elem, std::vector<Payload> snapshot)
    : Object(tc::Iterator), ops(elem_ops(elem)), items_(std::move(snapshot)) {}

IteratorObj::~IteratorObj() {
  if (list_) {
    list_->detach(this);
    obj_release(list_);
  }
  for (Payload p : items_) ops.release(p);
}

LinkedNode* IteratorObj::upcoming() const {
  if (reverse_) return last_ ? last_->prev : list_->tail();
  return last_ ? last_->next : list_->head();
}

bool IteratorObj::has_next() const {
  if (list_) return upcoming() != nullptr;
  return pos_ < items_.size();
}

Payload IteratorObj::next() {
  if (list_) {
    last_ = upcoming();
    return last_->v;
  }
  return items_[pos_++];
}

std::vector<Payload> IteratorObj::remaining() const {
  if (!list_) return std::vector<Payload>(items_.begin() + static_cast<std::ptrdiff_t>(pos_), items_.end());
  std::vector<Payload> out;
  for (LinkedNode* n = upcoming(); n; n = reverse_ ? n->prev : n->next) out.push_back(n->v);
  return out;
}

}  // namespace quorin
