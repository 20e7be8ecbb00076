// The editor's language files, made from the builtin registry, the constant
// table and the compiler's reserved words: a user-defined language for `.q`
// files (colours, comments, strings, numbers, operators, folding) and the
// auto-completion list with every builtin's overloads as call tips.
#pragma once
#include <string>
#include <string_view>

namespace quorin::editor_files {

// The language's name in the editor; the auto-completion file is named after it.
inline constexpr const char* kLanguageName = "Quorin";

// Where each file goes inside the editor's folder (and inside build/…/bin).
inline constexpr const char* kLanguagePath = "userDefineLangs/Quorin.xml";
inline constexpr const char* kCompletionPath = "autoCompletion/Quorin.xml";

// One line of text describing a builtin, or empty when there is none.
using DescribeFn = std::u16string (*)(std::u16string_view name);
// A builtin's parameter names as its reference gives them ("x, y, count"),
// or null when it gives none.
using ParamsFn = const char16_t* (*)(std::u16string_view name);

std::string language_xml();
// Each call-tip parameter reads "int x" where `params` names it, else "int".
std::string completion_xml(DescribeFn describe = nullptr, ParamsFn params = nullptr);

// The editor reads a call tip into a fixed buffer: all the text of one
// function's overloads, plus 2 bytes per parameter and 24 when there are
// several overloads, must stay within this many bytes.
inline constexpr size_t kCallTipBudget = 2043;

}  // namespace quorin::editor_files
