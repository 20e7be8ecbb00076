// replace, replace_first, lcase, ucase, ltrim, rtrim, trim.
#include "builtins/strings/case_map.h"
#include "builtins/strings/string_builtins.h"
#include "builtins/strings/text_ops.h"

namespace quorin::strings {

namespace {
Str trimmed(const Str& s, bool left, bool right) {
  std::u16string_view t = trim_view(s.view(), left, right);
  return t.size() == s.size() ? s : Str(t);
}
}  // namespace

Str replace(const Str& s, const Str& from, const Str& to) { return replace_all(s, from.view(), to.view()); }
Str replace_first(const Str& s, const Str& from, const Str& to) {
  return replace_first_of(s, from.view(), to.view());
}
Str lcase(const Str& s) { return lower_text(s); }
Str ucase(const Str& s) { return upper_text(s); }
Str ltrim(const Str& s) { return trimmed(s, true, false); }
Str rtrim(const Str& s) { return trimmed(s, false, true); }
Str trim(const Str& s) { return trimmed(s, true, true); }

}  // namespace quorin::strings
