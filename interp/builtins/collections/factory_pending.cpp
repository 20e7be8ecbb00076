// Placeholder until the collection objects land: creating one is refused.
#include "builtins/collections/factory.h"

namespace quorin {

Object* collection_new(ObjectRegistry&, TypeCode, uint16_t, uint16_t, uint16_t) { return nullptr; }
void collection_append(Runtime&, Object*, TypeCode, Payload) {}
bool list_element(Object*, int32_t, Payload&) { return false; }

}  // namespace quorin
