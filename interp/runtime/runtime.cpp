#include "runtime/runtime.h"

#include "frontend/source_files.h"
#include "support/format.h"

namespace quorin {


void init_globals(Runtime& rt);

Runtime::Runtime(const Program& p, UiPort& u) : program(p), ui(u) {
  main_path = p.main_path;
  default_charset = p.charset;
  auto_start = p.settings.auto_start;
  init_globals(*this);
}


std::u16string Runtime::compose_error(std::u16string_view text) const {
  if (pos_file && !same_path(*pos_file, main_path))
    return std::u16string(text) + u"\n\n" + *pos_file;
  return std::u16string(text);
}

void Runtime::fail(std::u16string_view text, int exit_code) {
  fail_text(format16(u"运行时错误：\n\n行: %d, ", pos_line) + std::u16string(text), exit_code);
}

void Runtime::fail_text(std::u16string_view text, int exit_code) {
  ui.show_runtime_error(compose_error(text));
  throw ScriptExit{exit_code};
}

void Runtime::fail_alert(std::u16string_view text, int exit_code) {
  ui.alert(text);
  throw ScriptExit{exit_code};
}

int Runtime::report_out_of_memory() {
  try {
    fail(u"内存不足, 无法分配脚本所需的内存", -1);
  } catch (const ScriptExit& e) {
    return e.code;
  }
}

void Runtime::fail_system(std::u16string_view builtin, uint32_t code) {
  fail(format16(u"%s(...) 返回的错误代码: 0x%lx(%lu)", builtin, code, code));
}

}  // namespace quorin
