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

#include "builtins/strings/string_list.h"

namespace quorin {

ObjResult<tc::ArrayList> make_string_list(Runtime& rt, std::vector<Str> items) {
  Object* list = collection_new(rt.objects, tc::ArrayList, tc::String);
  auto* a = static_cast<ArrayListObj*>(list);
  a->reset_capacity(static_cast<int32_t>(items.size() < 10 ? 10 : items.size()), 10);
  for (Str& s : items) a->push_back(Box(a->ops, make_str(s.release())));
  return ObjResult<tc::ArrayList>{list};
}

}  // namespace quorin
