// Property access for the builtin families built on this one (spreadsheets,
// databases): the same path resolution, checks and messages as the com_*
// builtins, for reads and writes that are not builtins themselves.
// Implemented on Windows only.
#pragma once
#include <cstdint>
#include <string_view>

#include "builtins/com/com_builtins.h"
#include "builtins/com/variant_text.h"

namespace quorin::com {

// Reads the property at the end of `path`; errors name `builtin`.
VariantData read_property(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path);
// The currency read: as the double read, except that a date gives 0.
double read_currency(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path);
// Writes a double as VT_CY (the system's double-to-currency conversion).
void write_currency(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path, double value);
// Hands the script an object the caller holds one reference to (given over
// with the call): the handle, registered so that the com_* builtins accept it.
int32_t hand_out_object(Runtime& rt, void* dispatch);

}  // namespace quorin::com
