// A report output that records what it was given.
#pragma once
#include <string>
#include <vector>

#include "frontend/diagnostics.h"

namespace quorin::testing {

struct CapturedOutput : ReportOutput {
  struct Box {
    std::u16string title, text;
  };
  std::vector<Box> boxes;
  std::u16string console_text;
  int console_writes = 0;
  void message_box(std::u16string_view title, std::u16string_view text) override {
    boxes.push_back({std::u16string(title), std::u16string(text)});
  }
  void console(std::u16string_view text) override {
    console_text += text;
    ++console_writes;
  }
};

}  // namespace quorin::testing
