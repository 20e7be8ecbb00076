// Registry entries of the JSON builtins, overloads in registry order.
#include "builtins/json/json_builtins.h"
#include "builtins/tables.h"
#include "runtime/native.h"

namespace quorin {
namespace {

constexpr BuiltinEntry kEntries[] = {
    builtin<&json::parse>(u"json_parse"),
    builtin<&json::print>(u"json_print"),
    builtin<&json::print_as>(u"json_print"),
    builtin<&json::get_item>(u"json_get_item"),
    builtin<&json::has_item>(u"json_has_item"),
    builtin<&json::item_type>(u"json_get_item_type"),
    builtin<&json::item_type_at>(u"json_get_item_type"),
    builtin<&json::is_false>(u"json_is_false"),
    builtin<&json::is_false_at>(u"json_is_false"),
    builtin<&json::is_true>(u"json_is_true"),
    builtin<&json::is_true_at>(u"json_is_true"),
    builtin<&json::is_null>(u"json_is_null"),
    builtin<&json::is_null_at>(u"json_is_null"),
    builtin<&json::is_number>(u"json_is_number"),
    builtin<&json::is_number_at>(u"json_is_number"),
    builtin<&json::is_string>(u"json_is_string"),
    builtin<&json::is_string_at>(u"json_is_string"),
    builtin<&json::is_array>(u"json_is_array"),
    builtin<&json::is_array_at>(u"json_is_array"),
    builtin<&json::is_object>(u"json_is_object"),
    builtin<&json::is_object_at>(u"json_is_object"),
    builtin<&json::value_string>(u"json_get_value_string"),
    builtin<&json::value_string_at>(u"json_get_value_string"),
    builtin<&json::value_int>(u"json_get_value_int"),
    builtin<&json::value_int_at>(u"json_get_value_int"),
    builtin<&json::value_long>(u"json_get_value_long"),
    builtin<&json::value_long_at>(u"json_get_value_long"),
    builtin<&json::value_double>(u"json_get_value_double"),
    builtin<&json::value_double_at>(u"json_get_value_double"),
    builtin<&json::array_size>(u"json_get_array_size"),
    builtin<&json::array_size_at>(u"json_get_array_size"),
    builtin<&json::array_item>(u"json_get_array_item"),
    builtin<&json::array_item_at>(u"json_get_array_item"),
    builtin<&json::free_tree>(u"json_free"),
};

}  // namespace

BuiltinTable json_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
