// Registry entries of the system-service builtins, overloads in registry
// order.
#include "builtins/system/system_builtins.h"
#include "builtins/tables.h"

namespace quorin {
namespace {

constexpr BuiltinEntry kEntries[] = {
    builtin<&sys::clipboard_set_text>(u"clipboard_set_text"),
    builtin<&sys::clipboard_get_text>(u"clipboard_get_text"),
    builtin<&sys::clipboard_set_bmp>(u"clipboard_set_bmp"),
    builtin<&sys::clipboard_get_bmp>(u"clipboard_get_bmp"),
    builtin<&sys::storage_set_domain>(u"storage_set_domain"),
    builtin<&sys::storage_set>(u"storage_set"),
    builtin<&sys::storage_get>(u"storage_get"),
    builtin<&sys::storage_remove>(u"storage_remove"),
    builtin<&sys::storage_clear>(u"storage_clear"),
    builtin<&sys::md5_default>(u"md5"),
    builtin<&sys::md5>(u"md5"),
    builtin<&sys::base64_encode_default>(u"base64_encode"),
    builtin<&sys::base64_encode>(u"base64_encode"),
    builtin<&sys::base64_encode_data>(u"base64_encode_data"),
    builtin<&sys::base64_encode_file>(u"base64_encode_file"),
    builtin<&sys::base64_decoded_size>(u"base64_decoded_size"),
    builtin<&sys::base64_decode_default>(u"base64_decode"),
    builtin<&sys::base64_decode>(u"base64_decode"),
    builtin<&sys::base64_decode_to_byte_array>(u"base64_decode_to_byte_array"),
    builtin<&sys::guid>(u"guid"),
    builtin<&sys::color_hex>(u"color_hex"),
    builtin<&sys::color_hex_to_int>(u"color_hex_to_int"),
    builtin<&sys::hardware_get_cpu>(u"hardware_get_cpu"),
    builtin<&sys::hardware_get_cpu_logical_number>(u"hardware_get_cpu_logical_number"),
    builtin<&sys::hardware_get_mac>(u"hardware_get_mac"),
    builtin<&sys::dll_load>(u"dll_load"),
    builtin<&sys::dll_free>(u"dll_free"),
    builtin<&sys::dll_get_function>(u"dll_get_function"),
    builtin<&sys::dll_get_function_in>(u"dll_get_function"),
};

}  // namespace

BuiltinTable system_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
