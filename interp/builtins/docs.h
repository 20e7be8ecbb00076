// Reference text of the builtins: one entry per builtin name, kept in the
// family folder beside the family's table (`docs.cpp`).  The overload
// signatures come from the table itself; these entries add what a reader
// needs: a one-line description of what the builtin does and returns, and
// for the most used builtins a short example script.
#pragma once
#include <span>

namespace quorin {

struct BuiltinDoc {
  const char16_t* name;              // the builtin's name, as registered
  const char16_t* summary;           // one line, Simplified Chinese
  const char16_t* example = nullptr; // optional: a short complete script
  // Optional: what `example` prints on the console when run (no desktop
  // needed); the reference shows it and the tests run the example natively
  // and compare.
  const char16_t* output = nullptr;
};

// Parameter names of a builtin, shown in its signatures: u"s, start, n"
// names the parameters by position, and an overload with fewer parameters
// takes the first names; where the overloads differ in more than length the
// forms are separated by "|" (u"h, index | h, path, index") and each
// overload takes the form of its own length.
struct ParamNames {
  const char16_t* name;
  const char16_t* params;
};

struct FamilyDocs {
  const char16_t* family;  // the family folder's name, e.g. u"math"
  const char16_t* title;   // the page title, Simplified Chinese
  std::span<const BuiltinDoc> entries;
  std::span<const ParamNames> params = {};  // optional, any subset of the names
};

// Reference text of one predefined constant (`constants/docs.cpp`).
struct ConstantDoc {
  const char16_t* name;     // the constant's name, as registered
  const char16_t* summary;  // one line, Simplified Chinese
};

}  // namespace quorin
