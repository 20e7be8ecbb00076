// The user interface of a run without a window: runtime errors and alerts go
// to the standard error stream, the information panel and the standard output
// to the standard output, all as UTF-8.
#pragma once
#include <cstdio>
#include <string_view>

#include "runtime/ui_port.h"

namespace quorin {

// Writes `text` as UTF-8, then a line end if asked, and flushes.
void write_utf8_line(std::FILE* f, std::u16string_view text, bool line_end);

class StdioUiPort : public UiPort {
 public:
  void show_runtime_error(std::u16string_view text) override;
  void alert(std::u16string_view text) override;
  void console_write(std::u16string_view piece, bool line_end) override;
  void console_clear() override {}
  void stdout_write(std::u16string_view text, bool line_end) override;
};

}  // namespace quorin
