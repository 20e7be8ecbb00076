// Compiling a script from its path and reporting the result by mode.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "frontend/diagnostics.h"
#include "frontend/program_model.h"

namespace quorin {

struct CompileResult {
  std::unique_ptr<Program> program;  // null: nothing to run (already reported)
  CompileErrors errors;
};

// Loads the script, expands its includes, compiles it and reports as the
// mode asks: errors as a message box (normal run), console text (-c, -cr) or
// the JSON report (-ic, -icr); a correct script as "脚本文件: '…' 语法正确"
// (-c) or the JSON status 1 (-ic, and -icr with a line end).
CompileResult compile_script(const std::u16string& path, const std::optional<std::u16string>& charset, CheckMode mode,
                             ReportOutput& out = system_report_output());

// The report texts (exposed for tests).
std::string json_error_report(const CompileErrors& errors);
std::u16string text_error_report(const CompileErrors& errors, bool includes_used);

}  // namespace quorin
