// `run` on the native command line: a detached process, the shell's numbers
// for what could not start.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "../../runtime/test_ui_port.h"
#include "builtins/ui/dialogs.h"
#include "runtime/runtime.h"

namespace quorin {
namespace {

TEST(StartProgram, StartsInTheFolderWithQuotedArgumentsOrReportsWhy) {
  Program program;
  testing::TestUiPort ui;
  Runtime rt(program, ui);
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("quorin-run-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const std::u16string folder = dir.u16string();
  EXPECT_GT(start_program(rt, u"sh", u"-c \"echo hi > made.txt\"", folder, 5), 32);
  bool made = false;
  for (int i = 0; i < 200 && !made; ++i) {
    made = fs::exists(dir / "made.txt");
    if (!made) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(made);
  EXPECT_EQ(start_program(rt, u"/no/such/program", u"", u"", 5), 2);
  EXPECT_EQ(start_program(rt, u"sh", u"", (dir / "missing").u16string(), 5), 2);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace quorin
