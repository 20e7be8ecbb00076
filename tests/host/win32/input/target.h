// Driving target_window.exe (tests/fixtures/win32) and the interpreters for
// the input and window tests: the target's handles and its records of
// keyboard and mouse messages, scripts run through quorin-cli.exe or
// Quorin.exe, and real X events through xdotool on Wine's display.
#pragma once
#include <windows.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "driver.h"

namespace qtest {

struct Record {
  std::string control;  // "edit", "main", …
  unsigned message = 0;
  unsigned long wparam = 0, lparam = 0;
  unsigned long time = 0, tick = 0;
};

class TargetWindow {
 public:
  explicit TargetWindow(const std::wstring& title = L"目标窗口");
  ~TargetWindow();
  bool ready() const { return main != nullptr; }
  // Every record so far (optionally only these messages).
  std::vector<Record> records(std::vector<unsigned> only = {});
  // Waits until at least n records of these messages arrived.
  std::vector<Record> wait_records(size_t n, std::vector<unsigned> only,
                                   std::chrono::milliseconds timeout = std::chrono::seconds(5));
  int handle(const std::string& name) const;

  HWND main = nullptr;
  std::map<std::string, int> handles;

 private:
  std::wstring file_;
  PROCESS_INFORMATION pi_{};
};

struct CliResult {
  std::string out;
  DWORD code = 0;
  DWORD elapsed_ms = 0;
  bool finished = false;
};
// Runs a script (UTF-8 text) through quorin-cli.exe and collects its output.
CliResult run_cli(ScriptDir& dir, const std::string& script, DWORD timeout_ms = 20000);

// Runs a Unix program (xdotool) on the display that Wine uses; true when it
// exited with 0.
bool run_unix(const std::string& command_line);

std::string hex(unsigned long v);

}  // namespace qtest
