// What the automation builtins do with a property's value once it has been
// read, independent of the system's VARIANT: the typed getters' conversions,
// the type names, the value forms of the write messages and the property-path
// checks.  The Windows side copies a VARIANT into a VariantData and asks here.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorin::com {

// Variant type codes the conversions know.
namespace vt {
inline constexpr uint16_t Empty = 0, Null = 1, I2 = 2, I4 = 3, R4 = 4, R8 = 5, CY = 6, Date = 7, BStr = 8,
                          Dispatch = 9, Error = 10, Bool = 11, Variant = 12, Unknown = 13, Decimal = 14, I1 = 16,
                          UI1 = 17, UI2 = 18, UI4 = 19, I8 = 20, UI8 = 21, Int = 22, UInt = 23, Array = 0x2000,
                          ByRef = 0x4000;
}

// A property value as the getters see it.  Which field holds it follows the
// type: `i` for the signed integers, VT_BOOL (0 or -1) and VT_CY (the raw
// count of ten-thousandths); `u` for the unsigned integers; `d` for VT_R8 and
// VT_DATE; `f` for VT_R4; `text` for VT_BSTR (`null_text` for a null string).
struct VariantData {
  uint16_t type = vt::Empty;
  int64_t i = 0;
  uint64_t u = 0;
  double d = 0;
  float f = 0;
  std::u16string text;
  bool null_text = false;
};

int32_t to_int(const VariantData& v);
int64_t to_long(const VariantData& v);
double to_double(const VariantData& v);
float to_float(const VariantData& v);
std::u16string to_text(const VariantData& v);
// The currency read of the Excel builtins: as `to_double` except VT_DATE.
double to_currency_double(const VariantData& v);
int32_t to_boolean(const VariantData& v);
double to_date(const VariantData& v);

// "%f" text with trailing zeros and a bare trailing "." removed (2.5, 3).
std::u16string trimmed_decimal(double v);
// The date-time text "Y-MM-DD hh:mm:ss" of an OLE date.
std::u16string ole_date_text(double date);
// "empty", "short", … or "未知(vt=%d)\n".
std::u16string type_name(int32_t code);

// How a written value appears in the write messages: the text of its value
// form, or nothing for the types shown as "...".
struct WrittenValue {
  uint16_t type = vt::Empty;
  int64_t i = 0;
  double d = 0;
};
bool has_value_form(uint16_t type);
std::u16string value_form(const WrittenValue& w);

// Property paths: member names separated by ".".
enum class PathError { None, Space, TrailingDot, EmptyMember };
PathError split_path(std::u16string_view path, std::vector<std::u16string_view>& members);

// ---- runtime error texts (after "运行时错误：\n\n行: <line>, ") ----
std::u16string zero_handle_message(std::u16string_view builtin);
std::u16string path_message(PathError e, std::u16string_view builtin, int32_t handle, std::u16string_view path);
std::u16string unknown_handle_message(std::u16string_view builtin, int32_t handle);
std::u16string read_unknown_name_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                         std::u16string_view member);
std::u16string read_names_failed_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                         int32_t hr);
std::u16string read_invoke_failed_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                          int32_t hr);
std::u16string write_unknown_name_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                          const WrittenValue& w, std::u16string_view member);
std::u16string write_names_failed_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                          const WrittenValue& w, int32_t hr);
std::u16string write_overflow_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                      const WrittenValue& w);
std::u16string write_invoke_failed_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                           const WrittenValue& w, int32_t hr);
std::u16string bind_missing_message(int32_t handle, std::u16string_view path);
std::u16string call_string_limit_message(std::u16string_view pointer);
std::u16string call_param_count_message(std::u16string_view pointer, std::u16string_view member);
std::u16string call_param_type_message(std::u16string_view pointer, std::u16string_view member);
std::u16string call_failed_message(std::u16string_view pointer, std::u16string_view member, int32_t hr);
std::u16string call_freed_object_message(std::u16string_view pointer, std::u16string_view member);
std::u16string safe_array_unknown_message(std::u16string_view builtin, int32_t handle);
std::u16string windows_only_message(std::u16string_view builtin);

}  // namespace quorin::com
