// Parameter and result types of builtins as a script writer reads them.  One
// place formats them, so the editor's call tips, the reference pages and
// `--help-builtin` print them alike (whole signatures: builtins/reference.h).
#pragma once
#include <string>

#include "frontend/program_model.h"

namespace quorin {

// One parameter slot: "int", "int*" (by reference), "string[]" (array),
// "ArrayList<T>", "T"/"K"/"V" (the element, key or value type of the first
// argument's collection), "任意类型" (any value type), "int 变量" (an int variable the
// builtin reads and writes), "函数调用" (a call written
// as the argument, performed later).
std::u16string param_type_text(TypeCode code);

// The result of an entry: "void", "int", "ArrayList<string>", "Iterator<K>",
// "T" … with the entry's element type filled in where it has one.
std::u16string return_type_text(const BuiltinEntry& e);

}  // namespace quorin
