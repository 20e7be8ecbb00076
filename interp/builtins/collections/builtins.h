// The collection builtins (arraylist_…, linkedlist_…, hashmap_…, iterator_…).
// Generic parameters arrive as operands and are evaluated here into elements
// of the collection's type; generic results are Values of that type, and
// tc::None for the null result (a missing map key).
#pragma once
#include <cstdint>

#include "runtime/native.h"

namespace quorin {

// ArrayList
void arraylist_reset_capacity_factor(ListArg list, int32_t capacity, int32_t step);
void arraylist_add(Runtime& rt, ListArg list, GenericArg<tc::GenericT> x);
void arraylist_insert(Runtime& rt, ListArg list, int32_t i, GenericArg<tc::GenericT> x);
int32_t arraylist_index_of(Runtime& rt, ListArg list, GenericArg<tc::GenericT> x);
int32_t arraylist_last_index_of(Runtime& rt, ListArg list, GenericArg<tc::GenericT> x);
int32_t arraylist_contains(Runtime& rt, ListArg list, GenericArg<tc::GenericT> x);
int32_t arraylist_remove(Runtime& rt, ListArg list, GenericArg<tc::GenericT> x);
Value arraylist_remove_index(Runtime& rt, ListArg list, int32_t i);
Value arraylist_set(Runtime& rt, ListArg list, int32_t i, GenericArg<tc::GenericT> x);
Value arraylist_get(Runtime& rt, ListArg list, int32_t i);
int32_t arraylist_get_size(ListArg list);
void arraylist_clear(ListArg list);

// LinkedList
void linkedlist_add(Runtime& rt, LinkedArg list, GenericArg<tc::GenericT> x);
void linkedlist_add_first(Runtime& rt, LinkedArg list, GenericArg<tc::GenericT> x);
void linkedlist_insert(Runtime& rt, LinkedArg list, int32_t i, GenericArg<tc::GenericT> x);
int32_t linkedlist_index_of(Runtime& rt, LinkedArg list, GenericArg<tc::GenericT> x);
int32_t linkedlist_last_index_of(Runtime& rt, LinkedArg list, GenericArg<tc::GenericT> x);
int32_t linkedlist_contains(Runtime& rt, LinkedArg list, GenericArg<tc::GenericT> x);
int32_t linkedlist_remove(Runtime& rt, LinkedArg list, GenericArg<tc::GenericT> x);
Value linkedlist_remove_index(Runtime& rt, LinkedArg list, int32_t i);
Value linkedlist_remove_first(Runtime& rt, LinkedArg list);
Value linkedlist_remove_last(Runtime& rt, LinkedArg list);
Value linkedlist_set(Runtime& rt, LinkedArg list, int32_t i, GenericArg<tc::GenericT> x);
Value linkedlist_get(Runtime& rt, LinkedArg list, int32_t i);
Value linkedlist_get_first(Runtime& rt, LinkedArg list);
Value linkedlist_get_last(Runtime& rt, LinkedArg list);
ObjResult<tc::Iterator> linkedlist_iterator(Runtime& rt, LinkedArg list);
ObjResult<tc::Iterator> linkedlist_iterator_reverse(Runtime& rt, LinkedArg list);
int32_t linkedlist_get_size(LinkedArg list);
void linkedlist_clear(LinkedArg list);

// HashMap
void hashmap_reset_capacity_factor(MapArg map, int32_t capacity, float factor);
Value hashmap_put(Runtime& rt, MapArg map, GenericArg<tc::GenericK> k, GenericArg<tc::GenericV> v);
Value hashmap_get(Runtime& rt, MapArg map, GenericArg<tc::GenericK> k);
Value hashmap_remove(Runtime& rt, MapArg map, GenericArg<tc::GenericK> k);
int32_t hashmap_contains_key(Runtime& rt, MapArg map, GenericArg<tc::GenericK> k);
int32_t hashmap_contains_value(Runtime& rt, MapArg map, GenericArg<tc::GenericV> v);
int32_t hashmap_get_size(MapArg map);
void hashmap_clear(MapArg map);
ObjResult<tc::Iterator> hashmap_keys(Runtime& rt, MapArg map);
ObjResult<tc::Iterator> hashmap_values(Runtime& rt, MapArg map);

// Iterator
int32_t iterator_has_next(IterArg it);
Value iterator_next(Runtime& rt, IterArg it);

}  // namespace quorin
