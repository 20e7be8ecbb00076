// split: the pieces go into a new ArrayList of string.
#include "builtins/strings/string_builtins.h"
#include "builtins/strings/string_list.h"
#include "builtins/strings/text_ops.h"

namespace quorin::strings {

ObjResult<tc::ArrayList> split(Runtime& rt, const Str& s, const Str& sep) {
  return make_string_list(rt, split_text(s.view(), sep.view()));
}

}  // namespace quorin::strings
