// Stream handles through whole script runs: the run's table decides what a
// handle means, and what is still open is closed when the run ends.
#include <gtest/gtest.h>

#include "builtins/files/file_builtins.h"
#include "interp/builtins/files/files_fixture.h"
#include "interp/runtime/script_run.h"

namespace quorin::files {
namespace {

using files_test::ScratchDir;

std::string quoted(const std::filesystem::path& p) {
  std::string s = to_utf8(p.u16string());
  std::string out;
  for (char c : s) {
    if (c == '\\') out += "\\\\";
    else out += c;
  }
  return "\"" + out + "\"";
}

TEST(StreamHandles, StaleAndForeignHandlesNeverReachAStream) {
  ScratchDir dir;
  dir.put("a.txt", "A");
  dir.put("b.txt", "B");
  auto program = testing::compile_text(
      "int a = file_open(" + quoted(dir.path("a.txt")) + ", \"rb\")\n"
      "int old = a\n"
      "console_println(file_close(a))\n"
      "int b = file_open(" + quoted(dir.path("b.txt")) + ", \"r\")\n"
      "if b != old\n  console_println(1)\nendif\n"
      "console_println(file_read_char(old))\n"
      "console_println(file_get_last_error())\n"
      "console_println(file_close(old))\n"
      "int c = b + 1\n"
      "console_println(file_eof(c))\n"
      "console_println(file_read_char(b))\n");
  ASSERT_TRUE(program);
  testing::TestUiPort ui;
  Runtime rt(*program, ui);
  rt.state.store(kRunning);
  EXPECT_EQ(run_program(rt), 0);
  EXPECT_EQ(ui.out, u"1\n1\n-1\n9\n0\n1\n66\n");
}

TEST(StreamHandles, OpenStreamsCloseWhenTheRunEnds) {
  ScratchDir dir;
  auto program = testing::compile_text("int f = file_open(" + quoted(dir.path("left.txt")) +
                                       ", \"w\")\n"
                                       "file_write_text(f, \"kept\\n\")\n"
                                       "int g = file_open(" + quoted(dir.path("left.txt")) + ", \"r\")\n");
  ASSERT_TRUE(program);
  testing::TestUiPort ui;
  Runtime rt(*program, ui);
  rt.state.store(kRunning);
  EXPECT_EQ(run_program(rt), 0);
  FileState* s = rt.resources.find<FileState>();
  ASSERT_TRUE(s);
  EXPECT_TRUE(s->streams.empty());
  // Nothing written waited in memory, and nothing holds the file any more.
  EXPECT_EQ(dir.get("left.txt"), "kept\r\n");
  std::error_code ec;
  EXPECT_TRUE(std::filesystem::remove(dir.path("left.txt"), ec)) << ec.message();
}

}  // namespace
}  // namespace quorin::files
