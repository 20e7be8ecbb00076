// A UiPort that records everything a run shows, for tests.
#pragma once
#include <string>
#include <vector>

#include "runtime/ui_port.h"

namespace quorin::testing {

class TestUiPort : public UiPort {
 public:
  std::vector<std::u16string> errors;   // runtime error boxes
  std::vector<std::u16string> alerts;   // alert boxes
  std::u16string console;               // the information panel
  std::u16string out;                   // standard output
  int console_clears = 0;

  void show_runtime_error(std::u16string_view text) override { errors.emplace_back(text); }
  void alert(std::u16string_view text) override { alerts.emplace_back(text); }
  void console_write(std::u16string_view piece, bool line_end) override {
    console += piece;
    if (line_end) console += u"\r\n";
  }
  void console_clear() override {
    console.clear();
    ++console_clears;
  }
  void stdout_write(std::u16string_view text, bool line_end) override {
    out += text;
    if (line_end) out += u"\n";
  }
};

}  // namespace quorin::testing
