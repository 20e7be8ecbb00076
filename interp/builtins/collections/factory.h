// Creating collections for declared variables and brace lists.
#pragma once
#include "runtime/object.h"
#include "runtime/runtime.h"

namespace quorin {

// A new empty collection or iterator (one reference for the caller).
Object* collection_new(ObjectRegistry& reg, TypeCode type, uint16_t elem, uint16_t key, uint16_t val);
// Appends a computed-form element of type `elem` (taking over its reference).
void collection_append(Runtime& rt, Object* list, TypeCode elem, Payload v);

}  // namespace quorin

namespace quorin {
// Element `index` of an ArrayList or LinkedList in computed form (one
// reference for strings and objects); false past the end.  Walking a
// LinkedList by increasing indices costs O(1) per step.
bool list_element(Object* list, int32_t index, Payload& out);
}  // namespace quorin
