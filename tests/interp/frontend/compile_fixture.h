// Compiles script text through the real driver from a temporary file.
#pragma once
#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "frontend/compile_driver.h"
#include "support/format.h"

namespace quorin::testing {

class CapturingReporter : public ReportOutput {
 public:
  void console(std::u16string_view text) override { out.append(to_utf8(text)); }
  void message_box(std::u16string_view title, std::u16string_view text) override {
    box_title = to_utf8(title);
    box_text = to_utf8(text);
  }
  std::string out, box_title, box_text;
};

class ScriptDir {
 public:
  ScriptDir() {
    dir_ = std::filesystem::temp_directory_path() /
           ("quorin-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            std::to_string(counter_++));
    std::filesystem::create_directories(dir_);
  }
  ~ScriptDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::filesystem::path write(const std::string& name, const std::string& utf8) {
    auto p = dir_ / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << utf8;
    return p;
  }
  const std::filesystem::path& path() const { return dir_; }

 private:
  static inline int counter_ = 0;
  std::filesystem::path dir_;
};

struct Compiled {
  CompileResult result;
  CapturingReporter reporter;
  // "line: message" of every error, one per line.
  std::string errors() const {
    std::string s;
    for (const auto& e : result.errors.list()) s += std::to_string(e.line) + ": " + to_utf8(e.text) + "\n";
    return s;
  }
};

inline Compiled compile_text(const std::string& source, CheckMode mode = CheckMode::Check) {
  ScriptDir dir;
  auto path = dir.write("t.q", source);
  Compiled c;
  c.result = compile_script(from_utf8(path.string()), std::nullopt, mode, c.reporter);
  return c;
}

}  // namespace quorin::testing
