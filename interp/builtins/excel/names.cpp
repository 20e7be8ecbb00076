// The spreadsheet builtins' portable parts: save formats and value-type names.
#include "builtins/excel/excel_builtins.h"
#include "support/format.h"

namespace quorin::excel {

namespace {

bool ends_with_nocase(std::u16string_view text, std::u16string_view tail) {
  if (text.size() < tail.size()) return false;
  std::u16string_view end = text.substr(text.size() - tail.size());
  for (size_t i = 0; i < tail.size(); ++i) {
    char16_t a = end[i];
    if (a >= u'A' && a <= u'Z') a = static_cast<char16_t>(a - u'A' + u'a');
    if (a != tail[i]) return false;
  }
  return true;
}

}  // namespace

int32_t format_for_path(std::u16string_view path) {
  if (ends_with_nocase(path, u".xls")) return 56;
  if (ends_with_nocase(path, u".csv")) return 6;
  if (ends_with_nocase(path, u".ods")) return 60;
  return 51;
}

std::u16string value_type_name(int32_t code) {
  switch (code) {
    case 0: return u"empty";
    case 1: return u"null";
    case 2: case 3: case 16: return u"int";
    case 4: case 5: return u"double";
    case 6: return u"currency";
    case 7: return u"date";
    case 8: return u"string";
    case 11: return u"boolean";
    case 17: return u"byte";
    case 18: return u"char";
    case 20: return u"long";
    default: return format16(u"未知(vt=%d)\n", code);
  }
}

}  // namespace quorin::excel
