#include "builtins/collections/factory.h"

#include "builtins/collections/objects.h"

namespace quorin {

void collection_append(Runtime&, Object* list, TypeCode, Payload v) {
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
