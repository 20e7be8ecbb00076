// What the executor needs from the collections: creating a declared
// variable's empty collection, and reading list elements for `for … in`.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/object.h"
#include "runtime/value.h"

namespace quorin {

// A new empty ArrayList / LinkedList (element type `elem`), HashMap (`key`,
// `val`) or Iterator (over nothing, element type `elem`), holding one
// reference for the caller.  Returns null for any other type code.
Object* collection_new(ObjectRegistry& reg, TypeCode type, uint16_t elem, uint16_t key = 0, uint16_t val = 0);

// Number of elements of an ArrayList or LinkedList (0 for other objects).
size_t list_count(const Object* list);
// Element i (< list_count) of an ArrayList or LinkedList as a value of the
// element type carrying its own reference (string and Bmp).  LinkedList reads
// by rising index cost O(1) each, so a loop may re-read the count and the
// element on every round and stays correct when its body changes the list.
Value list_element(Object* list, size_t i);
// Element `index` in computed form, carrying its own reference as above, or
// false past the end.
bool list_element(Object* list, int32_t index, Payload& out);
// Appends a computed-form element of type `elem` to an ArrayList or
// LinkedList (taking over its reference).
void collection_append(Object* list, TypeCode elem, Payload v);

}  // namespace quorin
