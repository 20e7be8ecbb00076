#include "builtins/collections/access.h"

#include "builtins/collections/objects.h"

namespace quorin {

Object* collection_new(ObjectRegistry& reg, TypeCode type, uint16_t elem, uint16_t key, uint16_t val) {
  switch (type) {
    case tc::ArrayList:
      return obj_new<ArrayListObj>(reg, elem);
    case tc::LinkedList:
      return obj_new<LinkedListObj>(reg, elem);
    case tc::HashMap:
      return obj_new<HashMapObj>(reg, key, val);
    case tc::Iterator:
      return obj_new<IteratorObj>(reg, elem);
    default:
      return nullptr;
  }
}

size_t list_count(const Object* list) {
  if (!list) return 0;
  if (list->type == tc::ArrayList) return static_cast<const ArrayListObj*>(list)->size();
  if (list->type == tc::LinkedList) return static_cast<const LinkedListObj*>(list)->size();
  return 0;
}

Value list_element(Object* list, size_t i) {
  if (list->type == tc::ArrayList) {
    auto* l = static_cast<ArrayListObj*>(list);
    return copy_out(l->ops, l->at(i));
  }
  auto* l = static_cast<LinkedListObj*>(list);
  return copy_out(l->ops, l->node_at(i)->v);
}

void collection_append(Object* list, TypeCode, Payload v) {
  if (list->type == tc::ArrayList) {
    auto* a = static_cast<ArrayListObj*>(list);
    a->push_back(Box(a->ops, v));
  } else if (list->type == tc::LinkedList) {
    auto* l = static_cast<LinkedListObj*>(list);
    l->push_back(Box(l->ops, v));
  }
}

bool list_element(Object* list, int32_t index, Payload& out) {
  if (index < 0 || static_cast<size_t>(index) >= list_count(list)) return false;
  out = list_element(list, static_cast<size_t>(index)).v;
  return true;
}

}  // namespace quorin
