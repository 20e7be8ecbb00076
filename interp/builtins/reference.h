// The builtin reference rendered from the registry and the reference text:
// the pages under docs/reference/ and the console entry of one builtin.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/program_model.h"

namespace quorin {

// One overload as a script reads it, e.g. "int mouse_move_to(int, int)",
// "void arraylist_add(ArrayList<T>, T)", "int sum(int[])", "void f(int*)".
std::u16string signature_text(const BuiltinEntry& e);
// The same with parameter names from a ParamNames text ("s, start, n"):
// "string mid(string s, int start, int n)", "int sum(int values[])".
std::u16string signature_text(const BuiltinEntry& e, const char16_t* params);
// The names a ParamNames text gives an overload of `argc` parameters, or
// nothing when no form fits.
std::vector<std::u16string> parameter_names(const char16_t* params, int argc);
// One parameter as the signatures write it: "int x", "int* x", "int values[]",
// or the type alone when `name` is empty.
std::u16string parameter_text(TypeCode type, std::u16string_view name);

struct ReferencePage {
  std::string file;  // e.g. "index.md", "strings.md", "constants.md"
  std::string text;  // UTF-8, Markdown
};
// Every page of the reference, the index first.
std::vector<ReferencePage> reference_pages();

// The console entry of a builtin (signatures, description, example), UTF-8,
// or of a predefined constant (type, value, description); nothing when
// neither has that name.
std::optional<std::string> builtin_help(std::u16string_view name);
// Registered names close to `name` (by edit distance, or sharing it as a
// part), best first, at most `max`.
std::vector<std::u16string> similar_builtin_names(std::u16string_view name, size_t max);

}  // namespace quorin
