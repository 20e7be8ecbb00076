#include "builtins/com/variant_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "support/format.h"

namespace quorin::com {

namespace {

// The leading number of a text, read the way the C library's decimal
// readers do: blanks, a sign, digits; nothing readable gives 0.
std::string ascii_prefix(std::u16string_view s) {
  std::string out;
  for (char16_t c : s) {
    if (c >= 0x80) break;
    out.push_back(static_cast<char>(c));
  }
  return out;
}

int64_t parse_long(std::u16string_view s) {
  std::string a = ascii_prefix(s);
  errno = 0;
  long long v = std::strtoll(a.c_str(), nullptr, 10);
  return static_cast<int64_t>(v);  // saturated on overflow
}

int32_t parse_int(std::u16string_view s) {
  int64_t v = parse_long(s);
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

double parse_double(std::u16string_view s) {
  std::string a = ascii_prefix(s);
  return std::strtod(a.c_str(), nullptr);
}

double currency(const VariantData& v) { return static_cast<double>(v.i) / 10000.0; }

// Truncation toward zero that never leaves the target's range.
template <class T>
T truncate(double d) {
  if (std::isnan(d)) return 0;
  if (d >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  if (d <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  return static_cast<T>(d);
}

std::u16string decimal(int64_t v) { return ascii16(std::to_string(v)); }
std::u16string udecimal(uint64_t v) { return ascii16(std::to_string(v)); }

}  // namespace

int32_t to_int(const VariantData& v) {
  switch (v.type) {
    case vt::I2:
    case vt::I4:
    case vt::I1:
      return static_cast<int32_t>(v.i);
    case vt::UI1:
    case vt::UI2:
    case vt::UI4:
    case vt::UInt:
      return static_cast<int32_t>(static_cast<uint32_t>(v.u));
    case vt::R4:
      return truncate<int32_t>(v.f);
    case vt::R8:
      return truncate<int32_t>(v.d);
    case vt::CY:
      return truncate<int32_t>(currency(v));
    case vt::BStr:
      return parse_int(v.text);
    case vt::Bool:
      return v.i != 0 ? 1 : 0;
    case vt::I8:
      return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v.i)));
    case vt::UI8:
      return static_cast<int32_t>(static_cast<uint32_t>(v.u));
    default:
      return 0;  // VT_DATE and everything else
  }
}

int64_t to_long(const VariantData& v) {
  switch (v.type) {
    case vt::I2:
    case vt::I4:
    case vt::I1:
    case vt::I8:
      return v.i;
    case vt::UI1:
    case vt::UI2:
    case vt::UI4:
    case vt::UInt:
    case vt::UI8:
      return static_cast<int64_t>(v.u);
    case vt::R4:
      return truncate<int64_t>(v.f);
    case vt::R8:
      return truncate<int64_t>(v.d);
    case vt::CY:
      return truncate<int64_t>(currency(v));
    case vt::BStr:
      return parse_long(v.text);
    case vt::Bool:
      return v.i != 0 ? 1 : 0;
    default:
      return 0;
  }
}

double to_double(const VariantData& v) {
  switch (v.type) {
    case vt::I2:
    case vt::I4:
    case vt::I1:
    case vt::I8:
      return static_cast<double>(v.i);
    case vt::UI1:
    case vt::UI2:
    case vt::UI4:
    case vt::UInt:
    case vt::UI8:
      return static_cast<double>(v.u);
    case vt::R4:
      return v.f;
    case vt::R8:
    case vt::Date:
      return v.d;
    case vt::CY:
      return currency(v);
    case vt::BStr:
      return parse_double(v.text);
    case vt::Bool:
      return v.i != 0 ? 1.0 : 0.0;
    default:
      return 0;
  }
}

float to_float(const VariantData& v) { return v.type == vt::Date ? 0.0f : static_cast<float>(to_double(v)); }

double to_currency_double(const VariantData& v) { return v.type == vt::Date ? 0.0 : to_double(v); }

int32_t to_boolean(const VariantData& v) { return v.type == vt::Bool && v.i != 0 ? 1 : 0; }

double to_date(const VariantData& v) { return v.type == vt::Date ? v.d : 0.0; }

std::u16string trimmed_decimal(double v) {
  std::u16string s = fixed_text(v, 6);
  if (s.find(u'.') == std::u16string::npos) return s;  // inf, nan
  while (!s.empty() && s.back() == u'0') s.pop_back();
  if (!s.empty() && s.back() == u'.') s.pop_back();
  return s;
}

std::u16string ole_date_text(double date) {
  if (!std::isfinite(date) || date < -657434.0 || date > 2958466.0) return u"";
  // The whole part counts days from 1899-12-30; the fraction is the time of
  // day whatever the sign (-1.25 is 1899-12-29 06:00).
  double whole = std::trunc(date);
  double frac = std::fabs(date - whole);
  int64_t secs = static_cast<int64_t>(std::llround(frac * 86400.0));
  int64_t days = static_cast<int64_t>(whole);
  if (secs >= 86400) {
    secs -= 86400;
    days += date < 0 ? -1 : 1;
  }
  // Days since 1970-01-01, then the civil date.
  int64_t z = days - 25569 + 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  int64_t doe = z - era * 146097;
  int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int64_t y = yoe + era * 400;
  int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  int64_t mp = (5 * doy + 2) / 153;
  int64_t d = doy - (153 * mp + 2) / 5 + 1;
  int64_t m = mp < 10 ? mp + 3 : mp - 9;
  if (m <= 2) ++y;
  return format16(u"%d-%02d-%02d %02d:%02d:%02d", static_cast<int>(y), static_cast<int>(m), static_cast<int>(d),
                  static_cast<int>(secs / 3600), static_cast<int>(secs / 60 % 60), static_cast<int>(secs % 60));
}

std::u16string to_text(const VariantData& v) {
  switch (v.type) {
    case vt::I2:
    case vt::I4:
      return decimal(v.i);
    case vt::R4:
      return trimmed_decimal(v.f);
    case vt::R8:
      return trimmed_decimal(v.d);
    case vt::CY:
      return fixed_text(currency(v), 2);
    case vt::Date:
      return ole_date_text(v.d);
    case vt::BStr:
      return v.null_text ? std::u16string() : v.text;
    case vt::Bool:
      return v.i != 0 ? u"true" : u"false";
    case vt::I1:
      return std::u16string(1, static_cast<char16_t>(static_cast<uint8_t>(v.i)));
    case vt::UI1:
    case vt::UI2:
      return std::u16string(1, static_cast<char16_t>(v.u));
    case vt::UI4:
    case vt::UInt:
    case vt::UI8:
      return udecimal(v.u);
    case vt::I8:
      return decimal(v.i);
    default:
      return u"";
  }
}

std::u16string type_name(int32_t code) {
  switch (code) {
    case 0: return u"empty";
    case 1: return u"null";
    case 2: return u"short";
    case 3:
    case 19: return u"int";
    case 4: return u"float";
    case 5: return u"double";
    case 6: return u"currency";
    case 7: return u"date";
    case 8: return u"string";
    case 9: return u"object";
    case 10: return u"error";
    case 11: return u"boolean";
    case 12: return u"variant";
    case 13: return u"unknown";
    case 14: return u"decimal";
    case 17: return u"byte";
    case 18: return u"char";
    case 20:
    case 21: return u"long";
    case 8192: return u"array";
    default: return format16(u"未知(vt=%d)\n", code);
  }
}

bool has_value_form(uint16_t type) {
  switch (type) {
    case vt::I2:
    case vt::Bool:
    case vt::I1:
    case vt::I4:
    case vt::R4:
    case vt::R8:
    case vt::UI1:
    case vt::UI2:
    case vt::I8:
      return true;
    default:
      return false;
  }
}

std::u16string value_form(const WrittenValue& w) {
  switch (w.type) {
    case vt::I2:
    case vt::Bool:
    case vt::I1:
    case vt::I4:
    case vt::I8:
      return decimal(w.i);
    case vt::R4:
    case vt::R8:
      return fixed_text(w.d, 6);
    case vt::UI1:
      return udecimal(static_cast<uint64_t>(w.i) & 0xFF);
    case vt::UI2:
      return u"'" + std::u16string(1, static_cast<char16_t>(w.i)) + u"'";
    default:
      return u"...";
  }
}

PathError split_path(std::u16string_view path, std::vector<std::u16string_view>& members) {
  members.clear();
  if (path.find(u' ') != std::u16string_view::npos) return PathError::Space;
  if (!path.empty() && path.back() == u'.') return PathError::TrailingDot;
  size_t start = 0;
  for (;;) {
    size_t dot = path.find(u'.', start);
    std::u16string_view piece = path.substr(start, dot == std::u16string_view::npos ? path.size() - start : dot - start);
    if (piece.empty()) return PathError::EmptyMember;
    members.push_back(piece);
    if (dot == std::u16string_view::npos) break;
    start = dot + 1;
  }
  return PathError::None;
}

// ---- messages ----

std::u16string zero_handle_message(std::u16string_view builtin) {
  return format16(u"%s(ComObjectHandle, ...)\n\n参数: ComObjectHandle 的值不能为 0", builtin);
}

std::u16string path_message(PathError e, std::u16string_view builtin, int32_t handle, std::u16string_view path) {
  const char16_t* tail = e == PathError::Space         ? u"第2个参数中不能含有空格"
                         : e == PathError::TrailingDot ? u"第2个参数结尾处不能有 '.'"
                                                       : u"第2个参数错误";
  return format16(u"%s(%d, '%s')\r\n\r\n%s", builtin, handle, path, tail);
}

std::u16string unknown_handle_message(std::u16string_view builtin, int32_t handle) {
  return format16(u"%s(%d, ...)\n\n参数: ComObjectHandle 不是本次运行创建且尚未释放的 COM 对象", builtin, handle);
}

std::u16string read_unknown_name_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                         std::u16string_view member) {
  return format16(u"%s(%d, '%s') 属性名 '%s' 不存在", builtin, handle, path, member);
}

std::u16string read_names_failed_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                         int32_t hr) {
  return format16(u"%s(%d, '%s') 发生错误。\n\nGetIDsOfNames() 返回值: %ld (0x%lx)", builtin, handle, path, hr,
                  static_cast<uint32_t>(hr));
}

std::u16string read_invoke_failed_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                          int32_t hr) {
  return format16(u"%s(%d, '%s') 发生错误。\n\nInvoke() 返回值: %ld (0x%lx)", builtin, handle, path, hr,
                  static_cast<uint32_t>(hr));
}

std::u16string write_unknown_name_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                          const WrittenValue& w, std::u16string_view member) {
  return format16(u"%s(%d, '%s', %s) 属性名 '%s' 不存在", builtin, handle, path, value_form(w), member);
}

std::u16string write_names_failed_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                          const WrittenValue& w, int32_t hr) {
  return format16(u"%s(%d, '%s', %s) 发生错误: %ld (0x%lx)", builtin, handle, path, value_form(w), hr,
                  static_cast<uint32_t>(hr));
}

std::u16string write_overflow_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                      const WrittenValue& w) {
  if (!has_value_form(w.type)) return format16(u"%s(%d, '%s', ...) 发生错误: 属性值溢出", builtin, handle, path);
  std::u16string inner = w.type == vt::UI2 ? decimal(w.i & 0xFFFF) : value_form(w);
  return format16(u"%s(%d, '%s', %s) 发生错误: 属性值(%s)溢出", builtin, handle, path, value_form(w), inner);
}

std::u16string write_invoke_failed_message(std::u16string_view builtin, int32_t handle, std::u16string_view path,
                                           const WrittenValue& w, int32_t hr) {
  return format16(u"%s(%d, '%s', %s) 发生错误。\n\nInvoke() 返回值: %ld (0x%lx)", builtin, handle, path,
                  value_form(w), hr, static_cast<uint32_t>(hr));
}

std::u16string bind_missing_message(int32_t handle, std::u16string_view path) {
  return format16(u"com_object_get_function(%d, '%.64s') 函数 '%.64s' 不存在", handle, path, path);
}

std::u16string call_string_limit_message(std::u16string_view pointer) {
  return format16(u"很抱歉，函数指针 %s() 最多只支持 8 个 string * 类型的参数。", pointer);
}

std::u16string call_param_count_message(std::u16string_view pointer, std::u16string_view member) {
  return format16(u"函数指针 %s() 的参数数量与其对应的COM组件中函数 %s() 的参数数量不一致。", pointer, member);
}

std::u16string call_param_type_message(std::u16string_view pointer, std::u16string_view member) {
  return format16(u"函数指针 %s() 的参数类型与其对应的COM组件中函数 %s() 的参数类型不一致。", pointer, member);
}

std::u16string call_failed_message(std::u16string_view pointer, std::u16string_view member, int32_t hr) {
  return format16(u"调用函数指针 %s() 对应的COM组件中的函数 %s() 时发生错误，Invoke()返回值: %ld (0x%lx)", pointer,
                  member, hr, static_cast<uint32_t>(hr));
}

std::u16string call_freed_object_message(std::u16string_view pointer, std::u16string_view member) {
  return format16(u"函数指针 %s() 对应的COM组件已经用 com_object_free() 释放，不能再调用其中的函数 %s()", pointer,
                  member);
}

std::u16string safe_array_unknown_message(std::u16string_view builtin, int32_t handle) {
  return format16(u"%s(..., %d)\n\n参数: 不是本次运行用 com_safe_array_new_*() 创建且尚未销毁的安全数组", builtin,
                  handle);
}

std::u16string windows_only_message(std::u16string_view builtin) {
  return format16(u"%s() 只能在 Windows 上使用 (COM 组件)", builtin);
}

}  // namespace quorin::com
