// A run context for calling builtins directly: runtime errors are recorded
// instead of shown.  A family's fixture derives from BuiltinTest with the
// line number its runtime errors should carry.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/program_model.h"
#include "runtime/runtime.h"

namespace quorin::builtin_test {

class RecordingUi : public UiPort {
 public:
  void show_runtime_error(std::u16string_view text) override { errors.emplace_back(text); }
  void alert(std::u16string_view text) override { alerts.emplace_back(text); }
  void console_write(std::u16string_view, bool) override {}
  void console_clear() override {}
  void stdout_write(std::u16string_view, bool) override {}
  std::vector<std::u16string> errors, alerts;
};

class BuiltinTest : public ::testing::Test {
 protected:
  explicit BuiltinTest(int line) : rt(program, ui) { rt.pos_line = line; }

  // Runs `f`, which must end the run with a runtime error, and gives the text shown.
  template <class F>
  std::u16string error_of(F&& f) {
    ui.errors.clear();
    try {
      f();
    } catch (const ScriptExit& e) {
      EXPECT_EQ(e.code, 0);
      EXPECT_EQ(ui.errors.size(), 1u);
      return ui.errors.empty() ? std::u16string() : ui.errors.back();
    }
    ADD_FAILURE() << "no runtime error";
    return {};
  }

  Program program;
  RecordingUi ui;
  Runtime rt;
};

}  // namespace quorin::builtin_test
