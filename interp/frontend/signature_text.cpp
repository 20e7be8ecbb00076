#include "frontend/signature_text.h"

namespace quorin {

namespace {

std::u16string generic_letter(TypeCode code) {
  switch (code) {
    case tc::GenericT: return u"T";
    case tc::GenericK: return u"K";
    case tc::GenericV: return u"V";
    default: return {};
  }
}

// The text of an element type slot of a collection: a value type word, a
// generic letter, or the letter the collection itself uses when unset.
std::u16string element_text(uint16_t elem, std::u16string_view fallback) {
  if (elem == 0) return std::u16string(fallback);
  if (is_generic(elem)) return generic_letter(elem);
  std::u16string_view w = type_word(elem);
  return w.empty() ? std::u16string(fallback) : std::u16string(w);
}

std::u16string collection_text(TypeCode code, uint16_t elem) {
  std::u16string out(type_word(code));
  if (code == tc::HashMap) return out + u"<K, V>";
  return out + u"<" + element_text(elem, u"T") + u">";
}

}  // namespace

std::u16string param_type_text(TypeCode code) {
  if (code == tc::None) return u"任意类型";
  if (code == tc::Void || (code >= tc::Byte && code <= tc::Bmp)) return std::u16string(type_word(code));
  if (is_collection(code)) return collection_text(code, 0);
  if (is_by_ref(code)) return std::u16string(type_word(code - tc::RefBase)) + u"*";
  if (code == tc::FuncPtr) return u"函数指针";
  if (is_array_param(code)) return std::u16string(type_word(code - tc::ArrayBase)) + u"[]";
  if (is_int_var_param(code)) return std::u16string(type_word(code - tc::IntVarBase)) + u" 变量";
  if (is_generic(code)) return generic_letter(code);
  if (code == tc::CallOperand) return u"函数调用";
  return u"?";
}

std::u16string return_type_text(const BuiltinEntry& e) {
  if (is_collection(e.ret)) return collection_text(e.ret, e.elem);
  return param_type_text(e.ret);
}

}  // namespace quorin
