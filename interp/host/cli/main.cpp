// The command-line interpreter: check modes and console scripts, without a
// window.  The run starts at once (there is no start key), print/println go
// to standard output and runtime errors to standard error.
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "builtins/reference.h"
#include "frontend/compile_driver.h"
#include "host/command_line.h"
#include "runtime/run.h"
#include "runtime/search_pool.h"
#include "runtime/stdio_ui_port.h"
#include "support/format.h"

namespace {

void write_out(const std::string& text, FILE* to) { std::fwrite(text.data(), 1, text.size(), to); }

// quorin --help-builtin NAME: the builtin's reference entry, or the closest
// names when there is no builtin of that name.
int help_builtin(const std::vector<std::u16string>& words) {
  using namespace quorin;
  std::u16string name = words.size() > 2 ? words[2] : std::u16string();
  if (auto entry = builtin_help(name)) {
    write_out(*entry, stdout);
    return 0;
  }
  std::string text = name.empty() ? std::string("请在 --help-builtin 后面写出内置函数名\n")
                                  : "没有名为 '" + to_utf8(name) + "' 的内置函数\n";
  auto similar = similar_builtin_names(name, 8);
  if (!similar.empty()) {
    text += "相近的名称:";
    for (const auto& s : similar) text += " " + to_utf8(s);
    text += "\n";
  }
  write_out(text, stderr);
  return 1;
}

int run(const std::vector<std::u16string>& words) {
  using namespace quorin;
  if (words.size() > 1 && words[1] == u"--help-builtin") return help_builtin(words);
  CommandLine cl = parse_command_line(words);
  if (cl.script.empty()) {
    std::u16string usage = usage_line(cl.mode);
    if (!usage.empty()) {
      std::string u = to_utf8(usage);
      std::fwrite(u.data(), 1, u.size(), stdout);
      return 0;
    }
    std::fputs("用法: quorin [-c|-cr|-ic|-icr] [-charset=字符集] [-dev] 脚本.q|脚本.qe [脚本参数 ...]\n"
               "      quorin --help-builtin 函数名    查看内置函数的说明\n",
               stderr);
    return 2;
  }
  // The script's folder becomes the current directory.
  std::u16string script = cl.script;
  {
    std::error_code ec;
    std::filesystem::path p(script);
    auto full = std::filesystem::absolute(p, ec);
    script = full.u16string();
    if (full.has_parent_path()) std::filesystem::current_path(full.parent_path(), ec);
  }
  CheckMode mode = parse_check_mode(cl.mode);
  // A console program: errors go to the console, never to a message box, and
  // a script that could not be loaded or compiled ends with exit code 1.
  CompileResult result = compile_script(script, cl.charset, mode, stdio_report_output());
  if (!result.program) return 1;
  if (mode == CheckMode::Check || mode == CheckMode::IdeCheck) return 0;
  StdioUiPort ui;
  SearchPool workers(SearchPool::configured_workers(std::thread::hardware_concurrency()));
  int code;
  {
    Runtime rt(*result.program, ui);
    rt.search_pool = &workers;
    rt.script_args = cl.script_args;
    rt.state.store(kRunning);
    code = run_program(rt);
  }
  std::fflush(stdout);
  return code;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::u16string> words;
  for (int i = 0; i < argc; ++i) {
    std::wstring w(argv[i]);
    words.emplace_back(w.begin(), w.end());
  }
  return run(words);
}
#else
int main(int argc, char** argv) {
  std::vector<std::u16string> words;
  for (int i = 0; i < argc; ++i) words.push_back(quorin::from_utf8(argv[i]));
  return run(words);
}
#endif
