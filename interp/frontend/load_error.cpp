// Reporting a file that could not be loaded, in the form of the check mode.
#include "frontend/diagnostics.h"
#include "frontend/source_files.h"
#include "frontend/source_loader.h"
#include "support/format.h"

namespace quorin {

namespace {

// JSON string content of `s`, cut so that the escaped form stays within
// `limit` units without splitting an escape or a surrogate pair.
std::u16string json_escaped(std::u16string_view s, size_t limit) {
  std::u16string out;
  static const char16_t hex[] = u"0123456789abcdef";
  for (size_t i = 0; i < s.size(); ++i) {
    char16_t c = s[i];
    std::u16string piece;
    if (c == u'\\' || c == u'"') {
      piece = {u'\\', c};
    } else if (c < 0x20) {
      piece = u"\\u00";
      piece += hex[c >> 4];
      piece += hex[c & 15];
    } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      piece = {c, s[i + 1]};
      ++i;
    } else {
      piece = {c};
    }
    if (out.size() + piece.size() > limit) break;
    out += piece;
  }
  return out;
}

}  // namespace

void report_load_error(const std::u16string& path, std::u16string_view message, CheckMode mode, ReportOutput& out) {
  if (reports_json(mode)) {
    out.console(format16(
        u"{\"status\": 0,\"errorCount\": 1,\"errorItems\":[{\"filePath\":\"%s\", \"line\": 0,\"desc\":\"%s\"}]}",
        json_escaped(full_path(path), 1024), json_escaped(message, 1024)));
  } else if (reports_console(mode)) {
    out.console(message);
  } else {
    out.message_box(format16(u"Quorin - %.128s", name_part(path)), message);
  }
}

}  // namespace quorin
