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

struct FamilyDocs {
  const char16_t* family;  // the family folder's name, e.g. u"math"
  const char16_t* title;   // the page title, Simplified Chinese
  std::span<const BuiltinDoc> entries;
};

// Reference text of one predefined constant (`constants/docs.cpp`).
struct ConstantDoc {
  const char16_t* name;     // the constant's name, as registered
  const char16_t* summary;  // one line, Simplified Chinese
};

}  // namespace quorin
