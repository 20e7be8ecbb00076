// Compile errors are collected, not thrown: each holds the file, the line and
// a message of at most 320 UTF-16 units.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace quorin {

struct CompileError {
  const std::u16string* file = nullptr;
  int32_t line = 0;
  std::u16string text;
};

class CompileErrors {
 public:
  static constexpr size_t kMaxText = 319;  // units, not counting the terminator

  void add(const std::u16string* file, int32_t line, std::u16string text) {
    if (text.size() > kMaxText) text.resize(kMaxText);
    list_.push_back(CompileError{file, line, std::move(text)});
  }
  const std::vector<CompileError>& list() const { return list_; }
  size_t count() const { return list_.size(); }
  bool stopped() const { return stop_; }
  void stop() { stop_ = true; }

 private:
  std::vector<CompileError> list_;
  bool stop_ = false;
};

}  // namespace quorin
