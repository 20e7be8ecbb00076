// Windows reports: message boxes with the error icon; console text as UTF-8
// bytes on the standard output stream.
#include <windows.h>

#include <cstdio>
#include <string>

#include "frontend/diagnostics.h"
#include "support/format.h"

namespace quorin {

namespace {
class Win32Output : public ReportOutput {
 public:
  void message_box(std::u16string_view title, std::u16string_view text) override {
    std::u16string t(title), m(text);
    MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(m.c_str()), reinterpret_cast<LPCWSTR>(t.c_str()),
                MB_OK | MB_ICONERROR);
  }
  void console(std::u16string_view text) override {
    std::string s = to_utf8(text);
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fflush(stdout);
  }
};
}  // namespace

ReportOutput& system_report_output() {
  static Win32Output out;
  return out;
}

}  // namespace quorin
