// Registry entries of the collection builtins.
#include <initializer_list>

#include "builtins/collections/builtins.h"
#include "builtins/tables.h"

namespace quorin {
namespace {

constexpr TypeCode T = tc::GenericT;
constexpr TypeCode K = tc::GenericK;
constexpr TypeCode V = tc::GenericV;

constexpr BuiltinEntry kEntries[] = {
    builtin<&arraylist_reset_capacity_factor>(u"arraylist_reset_capacity_factor"),
    builtin<&arraylist_add>(u"arraylist_add"),
    builtin<&arraylist_insert>(u"arraylist_insert"),
    builtin<&arraylist_index_of>(u"arraylist_index_of"),
    builtin<&arraylist_last_index_of>(u"arraylist_last_index_of"),
    builtin<&arraylist_contains>(u"arraylist_contains"),
    builtin<&arraylist_remove>(u"arraylist_remove"),
    builtin<&arraylist_remove_index>(u"arraylist_remove_index", 0, T),
    builtin<&arraylist_set>(u"arraylist_set", 0, T),
    builtin<&arraylist_get>(u"arraylist_get", 0, T),
    builtin<&arraylist_get_size>(u"arraylist_get_size"),
    builtin<&arraylist_clear>(u"arraylist_clear"),

    builtin<&linkedlist_add>(u"linkedlist_add"),
    builtin<&linkedlist_add_first>(u"linkedlist_add_first"),
    builtin<&linkedlist_insert>(u"linkedlist_insert"),
    builtin<&linkedlist_index_of>(u"linkedlist_index_of"),
    builtin<&linkedlist_last_index_of>(u"linkedlist_last_index_of"),
    builtin<&linkedlist_contains>(u"linkedlist_contains"),
    builtin<&linkedlist_remove>(u"linkedlist_remove"),
    builtin<&linkedlist_remove_index>(u"linkedlist_remove_index", 0, T),
    builtin<&linkedlist_remove_first>(u"linkedlist_remove_first", 0, T),
    builtin<&linkedlist_remove_last>(u"linkedlist_remove_last", 0, T),
    builtin<&linkedlist_set>(u"linkedlist_set", 0, T),
    builtin<&linkedlist_get>(u"linkedlist_get", 0, T),
    builtin<&linkedlist_get_first>(u"linkedlist_get_first", 0, T),
    builtin<&linkedlist_get_last>(u"linkedlist_get_last", 0, T),
    builtin<&linkedlist_iterator>(u"linkedlist_iterator", T),
    builtin<&linkedlist_iterator_reverse>(u"linkedlist_iterator_reverse", T),
    builtin<&linkedlist_get_size>(u"linkedlist_get_size"),
    builtin<&linkedlist_clear>(u"linkedlist_clear"),

    builtin<&hashmap_reset_capacity_factor>(u"hashmap_reset_capacity_factor"),
    builtin<&hashmap_put>(u"hashmap_put", 0, V),
    builtin<&hashmap_get>(u"hashmap_get", 0, V),
    builtin<&hashmap_remove>(u"hashmap_remove", 0, V),
    builtin<&hashmap_contains_key>(u"hashmap_contains_key"),
    builtin<&hashmap_contains_value>(u"hashmap_contains_value"),
    builtin<&hashmap_get_size>(u"hashmap_get_size"),
    builtin<&hashmap_clear>(u"hashmap_clear"),
    builtin<&hashmap_keys>(u"hashmap_keys", K),
    builtin<&hashmap_values>(u"hashmap_values", V),

    builtin<&iterator_has_next>(u"iterator_has_next"),
    builtin<&iterator_next>(u"iterator_next", 0, T),
};

// The adapter derives the codes from the C++ signatures; these pin the ones
// the compiler's generic matching depends on.
constexpr bool codes_are(const BuiltinEntry& e, std::initializer_list<TypeCode> args, TypeCode ret, uint16_t elem) {
  if (e.argc != static_cast<int32_t>(args.size()) || e.ret != ret || e.elem != elem) return false;
  int32_t k = 0;
  for (TypeCode a : args)
    if (e.args[k++] != a) return false;
  return true;
}
static_assert(codes_are(kEntries[0], {tc::ArrayList, tc::Int, tc::Int}, tc::Void, 0));
static_assert(codes_are(kEntries[2], {tc::ArrayList, tc::Int, T}, tc::Void, 0));
static_assert(codes_are(kEntries[9], {tc::ArrayList, tc::Int}, T, 0));
static_assert(codes_are(kEntries[26], {tc::LinkedList}, tc::Iterator, T));
static_assert(codes_are(kEntries[30], {tc::HashMap, tc::Int, tc::Float}, tc::Void, 0));
static_assert(codes_are(kEntries[31], {tc::HashMap, K, V}, V, 0));
static_assert(codes_are(kEntries[35], {tc::HashMap, V}, tc::Int, 0));
static_assert(codes_are(kEntries[38], {tc::HashMap}, tc::Iterator, K));
static_assert(codes_are(kEntries[39], {tc::HashMap}, tc::Iterator, V));
static_assert(codes_are(kEntries[41], {tc::Iterator}, T, 0));
static_assert(std::size(kEntries) == 42);

}  // namespace

BuiltinTable collections_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
