#include "builtins/collections/factory.h"

#include "builtins/collections/objects.h"

namespace quorin {

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
