// The expanded source of a script: its main file read and decoded, with
// every include spliced in.
#pragma once
#include <optional>
#include <string>

#include "frontend/compile_errors.h"

namespace quorin {

struct SourceInput {
  bool ok = false;
  std::u16string full_path;
  std::u16string text;
  std::u16string charset;  // detected or forced charset name
  bool includes_used = false;
  // A load failure to report before compiling (empty when the failure was
  // recorded in the error list instead, as include errors are).
  std::u16string message;
};

SourceInput read_source_input(const std::u16string& path, const std::optional<std::u16string>& charset,
                              CompileErrors& errors);

}  // namespace quorin
