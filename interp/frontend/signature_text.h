// Builtin signatures as a script writer reads them: "int mouse_move_to(int, int)".
// One place formats parameter and result types, so the editor's call tips, the
// reference pages and `--help-builtin` print them alike.
#pragma once
#include <string>

#include "frontend/program_model.h"

namespace quorin {

// One parameter slot: "int", "int*" (by reference), "string[]" (array),
// "ArrayList<T>", "T"/"K"/"V" (the element, key or value type of the first
// argument's collection), "值" (any value type), "函数调用" (a call written
// as the argument, performed later).
std::u16string param_type_text(TypeCode code);

// The result of an entry: "void", "int", "ArrayList<string>", "Iterator<K>",
// "T" … with the entry's element type filled in where it has one.
std::u16string return_type_text(const BuiltinEntry& e);

// "ret name(p1, p2)".
std::u16string signature_text(const BuiltinEntry& e);

}  // namespace quorin
