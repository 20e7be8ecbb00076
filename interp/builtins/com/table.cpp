// Registry entries of the COM automation builtins (59 signatures).
#include "builtins/com/com_builtins.h"
#include "builtins/com/unavailable.h"
#include "builtins/com/variant_text.h"
#include "builtins/tables.h"

namespace quorin {
namespace {

#if defined(_WIN32)
#define COM_ENTRY(f, name) builtin<&com::f>(name)
#else
#define COM_ENTRY(f, name) com::unavailable<decltype(com::f)>(name)
#endif

constexpr BuiltinEntry kEntries[] = {
    COM_ENTRY(com_initialize, u"com_initialize"),
    COM_ENTRY(com_initialize_flags, u"com_initialize"),
    COM_ENTRY(com_uninitialize, u"com_uninitialize"),
    COM_ENTRY(com_object_new, u"com_object_new"),
    COM_ENTRY(com_object_new_iid, u"com_object_new"),
    COM_ENTRY(com_object_new_from_dll, u"com_object_new_from_dll"),
    COM_ENTRY(com_object_new_from_dll_iid, u"com_object_new_from_dll"),
    COM_ENTRY(com_object_get_object, u"com_object_get_object"),
    COM_ENTRY(com_object_get_function, u"com_object_get_function"),
    COM_ENTRY(com_object_set_byte, u"com_object_set_byte"),
    COM_ENTRY(com_object_set_char, u"com_object_set_char"),
    COM_ENTRY(com_object_set_short, u"com_object_set_short"),
    COM_ENTRY(com_object_set_boolean, u"com_object_set_boolean"),
    COM_ENTRY(com_object_set_int, u"com_object_set_int"),
    COM_ENTRY(com_object_set_long, u"com_object_set_long"),
    COM_ENTRY(com_object_set_float, u"com_object_set_float"),
    COM_ENTRY(com_object_set_double, u"com_object_set_double"),
    COM_ENTRY(com_object_set_string, u"com_object_set_string"),
    COM_ENTRY(com_object_set_date, u"com_object_set_date"),
    COM_ENTRY(com_object_set_object, u"com_object_set_object"),
    COM_ENTRY(com_object_set_safe_array_byte, u"com_object_set_safe_array_byte"),
    COM_ENTRY(com_object_set_safe_array_char, u"com_object_set_safe_array_char"),
    COM_ENTRY(com_object_set_safe_array_short, u"com_object_set_safe_array_short"),
    COM_ENTRY(com_object_set_safe_array_int, u"com_object_set_safe_array_int"),
    COM_ENTRY(com_object_set_safe_array_long, u"com_object_set_safe_array_long"),
    COM_ENTRY(com_object_set_safe_array_float, u"com_object_set_safe_array_float"),
    COM_ENTRY(com_object_set_safe_array_double, u"com_object_set_safe_array_double"),
    COM_ENTRY(com_object_set_safe_array_string, u"com_object_set_safe_array_string"),
    COM_ENTRY(com_object_get_byte, u"com_object_get_byte"),
    COM_ENTRY(com_object_get_char, u"com_object_get_char"),
    COM_ENTRY(com_object_get_short, u"com_object_get_short"),
    COM_ENTRY(com_object_get_boolean, u"com_object_get_boolean"),
    COM_ENTRY(com_object_get_int, u"com_object_get_int"),
    COM_ENTRY(com_object_get_long, u"com_object_get_long"),
    COM_ENTRY(com_object_get_float, u"com_object_get_float"),
    COM_ENTRY(com_object_get_double, u"com_object_get_double"),
    COM_ENTRY(com_object_get_string, u"com_object_get_string"),
    COM_ENTRY(com_object_get_date, u"com_object_get_date"),
    COM_ENTRY(com_object_get_type, u"com_object_get_type"),
    COM_ENTRY(com_object_get_type_name, u"com_object_get_type_name"),
    COM_ENTRY(com_object_get_array_length, u"com_object_get_array_length"),
    COM_ENTRY(com_object_get_array_byte, u"com_object_get_array_byte"),
    COM_ENTRY(com_object_get_array_char, u"com_object_get_array_char"),
    COM_ENTRY(com_object_get_array_short, u"com_object_get_array_short"),
    COM_ENTRY(com_object_get_array_int, u"com_object_get_array_int"),
    COM_ENTRY(com_object_get_array_long, u"com_object_get_array_long"),
    COM_ENTRY(com_object_get_array_float, u"com_object_get_array_float"),
    COM_ENTRY(com_object_get_array_double, u"com_object_get_array_double"),
    COM_ENTRY(com_object_get_array_string, u"com_object_get_array_string"),
    COM_ENTRY(com_safe_array_new_byte, u"com_safe_array_new_byte"),
    COM_ENTRY(com_safe_array_new_char, u"com_safe_array_new_char"),
    COM_ENTRY(com_safe_array_new_short, u"com_safe_array_new_short"),
    COM_ENTRY(com_safe_array_new_int, u"com_safe_array_new_int"),
    COM_ENTRY(com_safe_array_new_long, u"com_safe_array_new_long"),
    COM_ENTRY(com_safe_array_new_float, u"com_safe_array_new_float"),
    COM_ENTRY(com_safe_array_new_double, u"com_safe_array_new_double"),
    COM_ENTRY(com_safe_array_new_string, u"com_safe_array_new_string"),
    COM_ENTRY(com_safe_array_destroy, u"com_safe_array_destroy"),
    COM_ENTRY(com_object_free, u"com_object_free"),
};
#undef COM_ENTRY

static_assert(std::size(kEntries) == 59);

}  // namespace

BuiltinTable com_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
