// Compiling a script from its path and reporting the result by mode.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "frontend/compile_errors.h"
#include "frontend/program_model.h"

namespace quorin {

enum class CheckMode { Run, C, Cr, Ic, Icr };
// "-c", "-cr", "-ic", "-icr" (case-insensitive); anything else is a normal run.
CheckMode check_mode_of(std::u16string_view word);

// Where the driver's reports go: standard output (UTF-8) and message boxes.
class CompileReporter {
 public:
  virtual ~CompileReporter() = default;
  virtual void write_stdout(std::string_view utf8) = 0;
  virtual void error_box(std::u16string_view title, std::u16string_view text) = 0;
};

struct CompileResult {
  std::unique_ptr<Program> program;  // null: nothing to run (already reported)
  CompileErrors errors;
};

// Loads, expands and compiles the script, then reports as the mode asks.
CompileResult compile_script(const std::u16string& path, const std::optional<std::u16string>& charset, CheckMode mode,
                             CompileReporter& reporter);

// The report texts (exposed for tests).
std::string json_error_report(const CompileErrors& errors);
std::u16string text_error_report(const CompileErrors& errors, bool includes_used);
std::u16string file_name_part(std::u16string_view path);

}  // namespace quorin
