// The dialogs of a run without a window: each one is asked on the console.
// Questions and warnings go to the error stream (the output stream stays
// the script's own), answers are read a line at a time; the end of the
// input counts as cancelling.
#pragma once
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "builtins/ui/dialogs.h"

namespace quorin {

class ConsoleDialogs {
 public:
  ConsoleDialogs(std::FILE* in, std::FILE* out) : in_(in), out_(out) {}
  virtual ~ConsoleDialogs() = default;

  int confirm(std::u16string_view text, int box_type);
  int input(InputRequest& req);
  int multiline(MultilineRequest& req);

 protected:
  // One line without its line end; nothing at the end of the input.
  virtual std::optional<std::u16string> read_line();
  // Hides what is typed (password input) where the console allows it.
  virtual void set_echo(bool /*on*/) {}
  void write(std::u16string_view text);

 private:
  std::FILE* in_;
  std::FILE* out_;
};

}  // namespace quorin
