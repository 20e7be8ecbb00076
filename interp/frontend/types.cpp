#include "frontend/types.h"

namespace quorin {

namespace {
struct WordCode {
  std::u16string_view word;
  TypeCode code;
};
constexpr WordCode kTypeWords[] = {
    {u"void", tc::Void},           {u"byte", tc::Byte},       {u"char", tc::Char},
    {u"short", tc::Short},         {u"int", tc::Int},         {u"long", tc::Long},
    {u"float", tc::Float},         {u"double", tc::Double},   {u"string", tc::String},
    {u"Bmp", tc::Bmp},             {u"ArrayList", tc::ArrayList}, {u"LinkedList", tc::LinkedList},
    {u"HashMap", tc::HashMap},     {u"Iterator", tc::Iterator},
};
}  // namespace

TypeCode type_code_of_word(std::u16string_view word) {
  for (const auto& w : kTypeWords)
    if (w.word == word) return w.code;
  return tc::None;
}

std::u16string_view type_word(TypeCode t) {
  for (const auto& w : kTypeWords)
    if (w.code == t) return w.word;
  return {};
}

}  // namespace quorin
