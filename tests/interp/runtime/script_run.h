// Compiling a script text for a test: the text goes to a scratch file, the
// compile driver reports into strings, and the run gets a recording port.
#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "frontend/compile_driver.h"
#include "interp/runtime/test_ui_port.h"
#include "runtime/run.h"
#include "support/format.h"

namespace quorin::testing {

class StringReporter : public ReportOutput {
 public:
  std::string out;
  std::vector<std::u16string> boxes;
  void console(std::u16string_view text) override { out += to_utf8(text); }
  void message_box(std::u16string_view, std::u16string_view text) override { boxes.emplace_back(text); }
};

// Compiles `source`; fails the test (and returns null) when it does not compile.
inline std::unique_ptr<Program> compile_text(const std::string& source) {
  static int counter = 0;
  auto path = std::filesystem::temp_directory_path() /
              ("quorin-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               std::to_string(++counter) + ".q");
  {
    std::ofstream f(path, std::ios::binary);
    f << source;
  }
  StringReporter reporter;
  CompileResult r = compile_script(from_utf8(path.string()), std::nullopt, CheckMode::Run, reporter);
  std::filesystem::remove(path);
  EXPECT_TRUE(r.program) << "compile failed: " << (reporter.boxes.empty() ? "" : to_utf8(reporter.boxes[0]));
  return std::move(r.program);
}

// A port that also records the run-control effects, in order.  Standard
// output and the events are guarded: a script thread may write them while
// the test waits.
class RunPort : public TestUiPort {
 public:
  std::atomic<bool> visible{true};

  std::vector<std::string> events() {
    std::lock_guard<std::mutex> g(m_);
    return events_;
  }
  std::u16string stdout_text() {
    std::lock_guard<std::mutex> g(m_);
    return out;
  }
  // Waits until standard output holds `text`.
  bool wait_out(std::u16string_view text, std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    std::unique_lock<std::mutex> g(m_);
    return cv_.wait_for(g, timeout, [&] { return out.find(text) != std::u16string::npos; });
  }

  void stdout_write(std::u16string_view text, bool line_end) override {
    {
      std::lock_guard<std::mutex> g(m_);
      TestUiPort::stdout_write(text, line_end);
    }
    cv_.notify_all();
  }
  void run_state_changed(int state) override { add("state " + std::to_string(state)); }
  void announce(std::u16string_view text, int icon) override {
    add("announce " + to_utf8(text) + (icon == kAnnounceWarning ? " warning" : " info"));
  }
  bool main_window_visible() override { return visible.load(); }
  void disable_start_button() override { add("disable button"); }
  void suspend_workers() override { add("suspend workers"); }
  void resume_workers() override { add("resume workers"); }
  void show_pause_box(std::atomic<bool>&) override { add("pause box"); }
  void remove_hooks() override { add("remove hooks"); }
  void end_process(int code) override { add("end process " + std::to_string(code)); }

 private:
  void add(std::string e) {
    std::lock_guard<std::mutex> g(m_);
    events_.push_back(std::move(e));
  }
  std::mutex m_;
  std::condition_variable cv_;
  std::vector<std::string> events_;
};

}  // namespace quorin::testing
