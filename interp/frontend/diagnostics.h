// Compile diagnostics shared by the loader and the compilers: the check mode,
// the error sink that collects compile errors, and the output that reports
// reach (message boxes, standard output).
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace quorin {

// The mode word of the command line: "-c", "-cr", "-ic", "-icr" (any case);
// anything else is a normal run.
enum class CheckMode { Run, Check, CheckRun, IdeCheck, IdeCheckRun };
CheckMode parse_check_mode(std::u16string_view word);
inline bool reports_json(CheckMode m) { return m == CheckMode::IdeCheck || m == CheckMode::IdeCheckRun; }
inline bool reports_console(CheckMode m) { return m == CheckMode::Check || m == CheckMode::CheckRun; }

// Receives compile errors in the order found.  The stop flag is set by errors
// after which compiling cannot go on; `includes_used` records that the script
// had any include statement (console error lines then show file names).
class ErrorSink {
 public:
  virtual ~ErrorSink() = default;
  virtual void add(const std::u16string& file, int line, std::u16string msg) = 0;
  void stop() { stopped_ = true; }
  bool stopped() const { return stopped_; }
  bool includes_used = false;

 private:
  bool stopped_ = false;
};

struct CompileError {
  std::u16string file;  // full path
  int line = 0;
  std::u16string text;  // at most kMaxErrorText units
};

inline constexpr size_t kMaxErrorText = 319;  // a 320-unit record with its terminator

// The plain list kept by a compile.
class CompileErrors : public ErrorSink {
 public:
  void add(const std::u16string& file, int line, std::u16string msg) override;
  const std::vector<CompileError>& list() const { return list_; }
  size_t count() const { return list_.size(); }

 private:
  std::vector<CompileError> list_;
};

// Where reports go.  The system output shows message boxes with the error
// icon on Windows (the native build writes the text to standard error) and
// writes console text to standard output as UTF-8, flushed; tests substitute
// their own.
class ReportOutput {
 public:
  virtual ~ReportOutput() = default;
  virtual void message_box(std::u16string_view title, std::u16string_view text) = 0;
  virtual void console(std::u16string_view text) = 0;
};
// The program's own reports: message boxes on Windows, standard error natively.
ReportOutput& system_report_output();
// Reports of a console program on either target: box texts to standard
// error, console texts to standard output.
ReportOutput& stdio_report_output();

}  // namespace quorin
