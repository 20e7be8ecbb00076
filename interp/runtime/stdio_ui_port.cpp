#include "runtime/stdio_ui_port.h"

#include <string>

#include "support/format.h"

namespace quorin {

void write_utf8_line(std::FILE* f, std::u16string_view text, bool line_end) {
  std::string bytes = to_utf8(text);
  if (line_end) bytes.push_back('\n');
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fflush(f);
}

void StdioUiPort::show_runtime_error(std::u16string_view text) { write_utf8_line(stderr, text, true); }

void StdioUiPort::alert(std::u16string_view text) { write_utf8_line(stderr, text, true); }

void StdioUiPort::console_write(std::u16string_view piece, bool line_end) {
  write_utf8_line(stdout, piece, line_end);
}

void StdioUiPort::stdout_write(std::u16string_view text, bool line_end) {
  write_utf8_line(stdout, text, line_end);
}

}  // namespace quorin
