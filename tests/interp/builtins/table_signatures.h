// A family table as text, for tests that pin its signatures: one
// "name ret(args)" line per entry, in table order (with " elem N" after
// entries whose result element type is set, when asked for).
#pragma once
#include <string>
#include <vector>

#include "builtins/tables.h"
#include "support/format.h"

namespace quorin {

inline std::vector<std::string> table_signatures(BuiltinTable t, bool with_elem = false) {
  std::vector<std::string> out;
  for (size_t i = 0; i < t.count; ++i) {
    const BuiltinEntry& e = t.entries[i];
    std::string s = to_utf8(e.name) + " " + std::to_string(e.ret) + "(";
    for (int a = 0; a < e.argc; ++a) s += (a ? "," : "") + std::to_string(e.args[a]);
    s += ")";
    if (with_elem && e.elem) s += " elem " + std::to_string(e.elem);
    out.push_back(s);
  }
  return out;
}

}  // namespace quorin
