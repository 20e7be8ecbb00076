// The command-line interpreter: check modes and console scripts, without a
// window.  The run starts at once (there is no start key), print/println go
// to standard output and runtime errors to standard error.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/compile_driver.h"
#include "host/command_line.h"
#include "runtime/run.h"
#include "runtime/stdio_ui_port.h"
#include "support/format.h"

namespace {

class ConsoleReporter : public quorin::CompileReporter {
 public:
  void write_stdout(std::string_view utf8) override {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
  }
  void error_box(std::u16string_view title, std::u16string_view text) override {
    std::string t = quorin::to_utf8(title) + "\n" + quorin::to_utf8(text) + "\n";
    std::fwrite(t.data(), 1, t.size(), stderr);
  }
};

}  // namespace

namespace {
int run_cli(std::vector<std::u16string> words);
}  // namespace

#ifdef _WIN32
// Windows passes the words as UTF-16 (the program links with -municode).
int wmain(int argc, wchar_t** argv) {
  std::vector<std::u16string> words;
  for (int i = 0; i < argc; ++i) {
    std::wstring_view w(argv[i]);
    words.emplace_back(w.begin(), w.end());
  }
  return run_cli(std::move(words));
}
#else
int main(int argc, char** argv) {
  std::vector<std::u16string> words;
  for (int i = 0; i < argc; ++i) words.push_back(quorin::from_utf8(argv[i]));
  return run_cli(std::move(words));
}
#endif

namespace {
int run_cli(std::vector<std::u16string> words) {
  using namespace quorin;
  CommandLine cl = parse_command_line(words);
  if (cl.script.empty()) {
    std::u16string usage = usage_line(cl.mode);
    if (!usage.empty()) {
      std::string u = to_utf8(usage);
      std::fwrite(u.data(), 1, u.size(), stdout);
      return 0;
    }
    std::fputs("用法: quorin [-c|-cr|-ic|-icr] [-charset=字符集] [-dev] 脚本.q|脚本.qe [脚本参数 ...]\n", stderr);
    return 2;
  }
  // The script's folder becomes the current directory.
  std::u16string script = cl.script;
  {
    std::error_code ec;
    std::filesystem::path p(to_utf8(script));
    auto full = std::filesystem::absolute(p, ec);
    script = from_utf8(full.string());
    if (full.has_parent_path()) std::filesystem::current_path(full.parent_path(), ec);
  }
  ConsoleReporter reporter;
  CheckMode mode = check_mode_of(cl.mode);
  CompileResult result = compile_script(script, cl.charset, mode, reporter);
  if (!result.program) return 0;
  if (mode == CheckMode::C || mode == CheckMode::Ic) return 0;
  StdioUiPort ui;
  int code;
  {
    Runtime rt(*result.program, ui);
    rt.script_args = cl.script_args;
    rt.state.store(kRunning);
    code = run_program(rt);
  }
  std::fflush(stdout);
  return code;
}
}  // namespace
