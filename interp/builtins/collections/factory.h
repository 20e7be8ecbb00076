// What declarations and `for … in` need from the collections.
#pragma once
#include "builtins/collections/access.h"
#include "runtime/runtime.h"

namespace quorin {

// Appends a computed-form element of type `elem` to an ArrayList or
// LinkedList (taking over its reference).
void collection_append(Runtime& rt, Object* list, TypeCode elem, Payload v);
// Element `index` in computed form, or false past the end.
bool list_element(Object* list, int32_t index, Payload& out);

}  // namespace quorin
