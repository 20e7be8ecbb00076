// The system-service builtins as C++ functions (registered by table.cpp):
// clipboard, registry storage, MD5 and Base64, GUIDs, colour text, hardware
// queries and DLL functions.  Overloads of one script name have distinct C++
// names here.
#pragma once
#include <cstdint>

#include "runtime/native.h"

namespace quorin::sys {

using StrRef = ByRef<tc::RefBase + tc::String>;
using IntRef = ByRef<tc::RefBase + tc::Int>;
using ByteArray = ArrayArg<tc::ArrayBase + tc::Byte>;

// ---- clipboard (Windows) ----
int32_t clipboard_set_text(Runtime& rt, const Str& text);
Str clipboard_get_text(Runtime& rt);
int32_t clipboard_set_bmp(Runtime& rt, BmpArg bmp);
int32_t clipboard_get_bmp(Runtime& rt, BmpArg bmp);

// ---- registry storage (Windows) ----
int32_t storage_set_domain(Runtime& rt, const Str& domain);
int32_t storage_set(Runtime& rt, const Str& name, const Str& value);
Str storage_get(Runtime& rt, const Str& name);
int32_t storage_remove(Runtime& rt, const Str& name);
int32_t storage_clear(Runtime& rt);

// ---- hashes and encodings ----
Str md5_default(Runtime& rt, const Str& text);
Str md5(Runtime& rt, const Str& text, const Str& charset);
Str base64_encode_default(Runtime& rt, const Str& text);
Str base64_encode(Runtime& rt, const Str& text, const Str& charset);
Str base64_encode_data(ByteArray bytes, int32_t n);
int32_t base64_encode_file(Runtime& rt, const Str& path, StrRef text);
int32_t base64_decoded_size(const Str& text);
int32_t base64_decode_default(Runtime& rt, const Str& text, StrRef result);
int32_t base64_decode(Runtime& rt, const Str& text, StrRef result, const Str& charset);
int32_t base64_decode_to_byte_array(const Str& text, ByteArray bytes, int32_t n);
Str guid(Runtime& rt);
Str color_hex(int32_t color);
int32_t color_hex_to_int(const Str& text);

// ---- hardware (Windows) ----
Str hardware_get_cpu(Runtime& rt);
int32_t hardware_get_cpu_logical_number(Runtime& rt);
Str hardware_get_mac(Runtime& rt);

// ---- DLL functions ----
int32_t dll_load(Runtime& rt, const Str& path);
int32_t dll_free(Runtime& rt, IntRef handle);
FuncResult dll_get_function(Runtime& rt, const Str& name);
FuncResult dll_get_function_in(Runtime& rt, const Str& name, IntRef handle);

// Natively: ends the run with the error that `name` needs Windows.
[[noreturn]] void windows_only(Runtime& rt, std::u16string_view name);

}  // namespace quorin::sys
