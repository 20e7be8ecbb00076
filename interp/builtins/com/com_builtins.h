// The COM automation builtins.  Windows implements them (com_win32.cpp);
// elsewhere the table registers the same signatures with an invoker that
// raises a runtime error.
#pragma once
#include <cstdint>

#include "runtime/native.h"

namespace quorin::com {

using IntRef = ByRef<tc::RefBase + tc::Int>;
template <TypeCode Elem>
using Arr = ArrayArg<tc::ArrayBase + Elem>;

int32_t com_initialize(Runtime& rt);
int32_t com_initialize_flags(Runtime& rt, int32_t flags);
void com_uninitialize(Runtime& rt);
int32_t com_object_new(Runtime& rt, const Str& prog_id);
int32_t com_object_new_iid(Runtime& rt, const Str& prog_id, const Str& iid);
int32_t com_object_new_from_dll(Runtime& rt, IntRef dll, const Str& clsid);
int32_t com_object_new_from_dll_iid(Runtime& rt, IntRef dll, const Str& clsid, const Str& iid);
int32_t com_object_get_object(Runtime& rt, IntRef obj, const Str& path);
FuncResult com_object_get_function(Runtime& rt, IntRef obj, const Str& path);

void com_object_set_byte(Runtime& rt, IntRef obj, const Str& path, uint8_t v);
void com_object_set_char(Runtime& rt, IntRef obj, const Str& path, char16_t v);
void com_object_set_short(Runtime& rt, IntRef obj, const Str& path, int16_t v);
void com_object_set_boolean(Runtime& rt, IntRef obj, const Str& path, int32_t v);
void com_object_set_int(Runtime& rt, IntRef obj, const Str& path, int32_t v);
void com_object_set_long(Runtime& rt, IntRef obj, const Str& path, int64_t v);
void com_object_set_float(Runtime& rt, IntRef obj, const Str& path, float v);
void com_object_set_double(Runtime& rt, IntRef obj, const Str& path, double v);
void com_object_set_string(Runtime& rt, IntRef obj, const Str& path, const Str& v);
void com_object_set_date(Runtime& rt, IntRef obj, const Str& path, double v);
void com_object_set_object(Runtime& rt, IntRef obj, const Str& path, int32_t v);

void com_object_set_safe_array_byte(Runtime& rt, IntRef obj, const Str& path, IntRef sa);
void com_object_set_safe_array_char(Runtime& rt, IntRef obj, const Str& path, IntRef sa);
void com_object_set_safe_array_short(Runtime& rt, IntRef obj, const Str& path, IntRef sa);
void com_object_set_safe_array_int(Runtime& rt, IntRef obj, const Str& path, IntRef sa);
void com_object_set_safe_array_long(Runtime& rt, IntRef obj, const Str& path, IntRef sa);
void com_object_set_safe_array_float(Runtime& rt, IntRef obj, const Str& path, IntRef sa);
void com_object_set_safe_array_double(Runtime& rt, IntRef obj, const Str& path, IntRef sa);
void com_object_set_safe_array_string(Runtime& rt, IntRef obj, const Str& path, IntRef sa);

uint8_t com_object_get_byte(Runtime& rt, IntRef obj, const Str& path);
char16_t com_object_get_char(Runtime& rt, IntRef obj, const Str& path);
int16_t com_object_get_short(Runtime& rt, IntRef obj, const Str& path);
int32_t com_object_get_boolean(Runtime& rt, IntRef obj, const Str& path);
int32_t com_object_get_int(Runtime& rt, IntRef obj, const Str& path);
int64_t com_object_get_long(Runtime& rt, IntRef obj, const Str& path);
float com_object_get_float(Runtime& rt, IntRef obj, const Str& path);
double com_object_get_double(Runtime& rt, IntRef obj, const Str& path);
Str com_object_get_string(Runtime& rt, IntRef obj, const Str& path);
double com_object_get_date(Runtime& rt, IntRef obj, const Str& path);
int32_t com_object_get_type(Runtime& rt, IntRef obj, const Str& path);
Str com_object_get_type_name(Runtime& rt, IntRef obj, const Str& path);
int32_t com_object_get_array_length(Runtime& rt, IntRef obj, const Str& path);

int32_t com_object_get_array_byte(Runtime& rt, IntRef obj, const Str& path, Arr<tc::Byte> dst, int32_t max);
int32_t com_object_get_array_char(Runtime& rt, IntRef obj, const Str& path, Arr<tc::Char> dst, int32_t max);
int32_t com_object_get_array_short(Runtime& rt, IntRef obj, const Str& path, Arr<tc::Short> dst, int32_t max);
int32_t com_object_get_array_int(Runtime& rt, IntRef obj, const Str& path, Arr<tc::Int> dst, int32_t max);
int32_t com_object_get_array_long(Runtime& rt, IntRef obj, const Str& path, Arr<tc::Long> dst, int32_t max);
int32_t com_object_get_array_float(Runtime& rt, IntRef obj, const Str& path, Arr<tc::Float> dst, int32_t max);
int32_t com_object_get_array_double(Runtime& rt, IntRef obj, const Str& path, Arr<tc::Double> dst, int32_t max);
int32_t com_object_get_array_string(Runtime& rt, IntRef obj, const Str& path, Arr<tc::String> dst, int32_t max);

int32_t com_safe_array_new_byte(Runtime& rt, Arr<tc::Byte> src, int32_t count);
int32_t com_safe_array_new_char(Runtime& rt, Arr<tc::Char> src, int32_t count);
int32_t com_safe_array_new_short(Runtime& rt, Arr<tc::Short> src, int32_t count);
int32_t com_safe_array_new_int(Runtime& rt, Arr<tc::Int> src, int32_t count);
int32_t com_safe_array_new_long(Runtime& rt, Arr<tc::Long> src, int32_t count);
int32_t com_safe_array_new_float(Runtime& rt, Arr<tc::Float> src, int32_t count);
int32_t com_safe_array_new_double(Runtime& rt, Arr<tc::Double> src, int32_t count);
int32_t com_safe_array_new_string(Runtime& rt, Arr<tc::String> src, int32_t count);
int32_t com_safe_array_destroy(Runtime& rt, IntRef sa);
void com_object_free(Runtime& rt, IntRef obj);

}  // namespace quorin::com
