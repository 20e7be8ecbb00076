#include "runtime/stdio_ui_port.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace quorin {
namespace {

std::string written(std::u16string_view text, bool line_end) {
  std::FILE* f = std::tmpfile();
  if (!f) return "<no temporary file>";
  write_utf8_line(f, text, line_end);
  std::rewind(f);
  std::string out;
  char buf[256];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  std::fclose(f);
  return out;
}

TEST(StdioUiPort, WritesUtf8WithOptionalLineEnd) {
  EXPECT_EQ(written(u"运行时错误：\n\n行: 3, 除数为 0", true),
            "\xE8\xBF\x90\xE8\xA1\x8C\xE6\x97\xB6\xE9\x94\x99\xE8\xAF\xAF\xEF\xBC\x9A\n\n"
            "\xE8\xA1\x8C: 3, \xE9\x99\xA4\xE6\x95\xB0\xE4\xB8\xBA 0\n");
  EXPECT_EQ(written(u"a", false), "a");
  EXPECT_EQ(written(u"", true), "\n");
  EXPECT_EQ(written(u"\U0001F600", false), "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace quorin
