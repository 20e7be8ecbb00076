// Script type codes and the helpers that classify them.
#pragma once
#include <cstdint>
#include <string_view>

namespace quorin {

using TypeCode = int32_t;

namespace tc {
inline constexpr TypeCode Void = -1;
inline constexpr TypeCode None = 0;  // in a parameter slot: any value type
inline constexpr TypeCode Byte = 1;
inline constexpr TypeCode Char = 2;
inline constexpr TypeCode Short = 3;
inline constexpr TypeCode Int = 4;
inline constexpr TypeCode Long = 5;
inline constexpr TypeCode Float = 6;
inline constexpr TypeCode Double = 7;
inline constexpr TypeCode String = 8;
inline constexpr TypeCode Bmp = 9;
// 10, 11, 15, 16 and 21 are operand kinds, not types (see program_model.h).
inline constexpr TypeCode Array = 16;  // variable record / slot of an array
inline constexpr TypeCode ArrayList = 17;
inline constexpr TypeCode LinkedList = 18;
inline constexpr TypeCode HashMap = 19;
inline constexpr TypeCode Iterator = 20;
inline constexpr TypeCode RefCollection = 21;  // slot holding the address of a collection
inline constexpr TypeCode RefBase = 21;        // by-reference code = base type + 21 (22..30)
inline constexpr TypeCode FuncPtr = 31;
inline constexpr TypeCode ArrayBase = 31;      // array parameter code = element type + 31 (32..40)
inline constexpr TypeCode IntVarBase = 40;     // 41..48: parameter slots taking an int variable
inline constexpr TypeCode GenericT = 51;
inline constexpr TypeCode GenericK = 52;
inline constexpr TypeCode GenericV = 53;
inline constexpr TypeCode CallOperand = 54;
}  // namespace tc

constexpr bool is_numeric(TypeCode t) { return t >= tc::Byte && t <= tc::Double; }
constexpr bool is_integer(TypeCode t) { return t >= tc::Byte && t <= tc::Long; }
// byte, char, short and int: the types that compute as int.
constexpr bool is_int_class(TypeCode t) { return t >= tc::Byte && t <= tc::Int; }
constexpr bool is_floating(TypeCode t) { return t == tc::Float || t == tc::Double; }
constexpr bool is_collection(TypeCode t) { return t >= tc::ArrayList && t <= tc::Iterator; }
// Handle types hold a reference-counted object.
constexpr bool is_object_type(TypeCode t) { return t == tc::Bmp || is_collection(t); }
// Types a variable may hold (and a code-0 parameter may receive).
constexpr bool is_value_type(TypeCode t) {
  return (t >= tc::Byte && t <= tc::Bmp) || is_collection(t) || t == tc::FuncPtr;
}
constexpr bool is_by_ref(TypeCode t) { return t >= 22 && t <= 30; }
constexpr bool is_array_param(TypeCode t) { return t >= 32 && t <= 40; }
constexpr bool is_int_var_param(TypeCode t) { return t >= 41 && t <= 48; }
constexpr bool is_generic(TypeCode t) { return t >= tc::GenericT && t <= tc::GenericV; }

// Maps a type keyword to its code: the value types, `void` → -1, anything else 0.
TypeCode type_code_of_word(std::u16string_view word);
// The source word of a value type code ("int", "ArrayList"…), or empty.
std::u16string_view type_word(TypeCode t);

}  // namespace quorin
