// Reports of console programs: boxes become lines on standard error, console
// text goes to standard output, both as UTF-8.
#include <cstdio>

#include "frontend/diagnostics.h"
#include "support/format.h"

namespace quorin {

namespace {
class StdioOutput : public ReportOutput {
 public:
  void message_box(std::u16string_view title, std::u16string_view text) override {
    std::string s = to_utf8(text);
    s.push_back('\n');
    std::fwrite(s.data(), 1, s.size(), stderr);
    std::fflush(stderr);
  }
  void console(std::u16string_view text) override {
    std::string s = to_utf8(text);
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fflush(stdout);
  }
};
}  // namespace

ReportOutput& stdio_report_output() {
  static StdioOutput out;
  return out;
}

}  // namespace quorin
