// A run context for calling the system builtins directly: runtime errors
// are recorded instead of shown.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builtins/system/system_builtins.h"

namespace quorin::sys_test {

class RecordingUi : public UiPort {
 public:
  void show_runtime_error(std::u16string_view text) override { errors.emplace_back(text); }
  void alert(std::u16string_view text) override { alerts.emplace_back(text); }
  void console_write(std::u16string_view, bool) override {}
  void console_clear() override {}
  void stdout_write(std::u16string_view, bool) override {}
  std::vector<std::u16string> errors, alerts;
};

class SystemTest : public ::testing::Test {
 protected:
  SystemTest() : rt(program, ui) { rt.pos_line = 3; }

  // Runs `f`, which must end the run with a runtime error, and gives its text.
  template <class F>
  std::u16string error_of(F&& f) {
    ui.errors.clear();
    try {
      f();
    } catch (const ScriptExit&) {
      return ui.errors.empty() ? std::u16string() : ui.errors.back();
    }
    ADD_FAILURE() << "no runtime error";
    return {};
  }

  Program program;
  RecordingUi ui;
  Runtime rt;
};

}  // namespace quorin::sys_test
