// Included files through the whole chain: expansion, compile errors with the
// included file's own lines, and runtime errors naming the included file.
#include "../runtime/test_ui_port.h"
#include "compile_fixture.h"
#include "frontend/source_files.h"
#include "runtime/run.h"

namespace quorin {
namespace {

using testing::ScriptDir;

TEST(Includes, ErrorsCarryTheIncludedFileAndItsOwnLines) {
  ScriptDir dir;
  auto inc = dir.write("lib/util.q", "int ok = 1\n\nbad = 3\n");
  auto main = dir.write("main.q", "int a = 1\ninclude \"lib/util.q\"\nworse = 2\n");
  testing::CapturingReporter out;
  auto r = compile_script(from_utf8(main.string()), std::nullopt, CheckMode::Check, out);
  ASSERT_EQ(r.errors.count(), 2u) << out.out;
  EXPECT_EQ(r.errors.list()[0].file, full_path(from_utf8(inc.string())));
  EXPECT_EQ(r.errors.list()[0].line, 3);
  EXPECT_EQ(r.errors.list()[1].file, full_path(from_utf8(main.string())));
  EXPECT_EQ(r.errors.list()[1].line, 3);
  // With includes, console lines name the file.
  EXPECT_NE(out.out.find(to_utf8(full_path(from_utf8(inc.string()))) + " 3行: 变量 'bad' 未定义\n"), std::string::npos)
      << out.out;
}

TEST(Includes, NestedRelativeIncludesAndFunctionsAcrossFiles) {
  ScriptDir dir;
  dir.write("a/b/deep.q", "func int triple(int x)\n  return x * 3\nendfunc\n");
  dir.write("a/mid.q", "include \"b/deep.q\"\nint base = 4\n");
  auto main = dir.write("main.q", "include \"a/mid.q\"\nconsole_println(triple(base))\n");
  testing::CapturingReporter out;
  auto r = compile_script(from_utf8(main.string()), std::nullopt, CheckMode::Run, out);
  ASSERT_NE(r.program, nullptr) << out.box_text;
  testing::TestUiPort ui;
  Runtime rt(*r.program, ui);
  rt.state.store(kRunning);
  EXPECT_EQ(run_program(rt), 0);
  EXPECT_EQ(ui.out, u"12\n");
}

TEST(Includes, RuntimeErrorInAnIncludedFileNamesIt) {
  ScriptDir dir;
  auto inc = dir.write("div.q", "func int divide(int a, int b)\n  return a / b\nendfunc\n");
  auto main = dir.write("main.q", "include \"div.q\"\nprintln(divide(1, 0))\n");
  testing::CapturingReporter out;
  auto r = compile_script(from_utf8(main.string()), std::nullopt, CheckMode::Run, out);
  ASSERT_NE(r.program, nullptr) << out.box_text;
  testing::TestUiPort ui;
  {
    Runtime rt(*r.program, ui);
    rt.state.store(kRunning);
    EXPECT_EQ(run_program(rt), 0);
  }
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_EQ(ui.errors[0], u"运行时错误：\n\n行: 2, 除数为 0\n\n" + full_path(from_utf8(inc.string())));
}

TEST(Includes, RuntimeErrorInTheMainFileShowsTheMessageAlone) {
  ScriptDir dir;
  dir.write("x.q", "int unused = 0\n");
  auto main = dir.write("main.q", "include \"x.q\"\nint z = 0\nprintln(5 % z)\n");
  testing::CapturingReporter out;
  auto r = compile_script(from_utf8(main.string()), std::nullopt, CheckMode::Run, out);
  ASSERT_NE(r.program, nullptr);
  testing::TestUiPort ui;
  {
    Runtime rt(*r.program, ui);
    rt.state.store(kRunning);
    run_program(rt);
  }
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_EQ(ui.errors[0], u"运行时错误：\n\n行: 3, 除数为 0");
}

}  // namespace
}  // namespace quorin
