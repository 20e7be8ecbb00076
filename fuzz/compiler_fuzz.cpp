// Fuzzes the compiler: any text must compile to a program or to errors,
// without crashing, hanging or leaking, and every error must fit its record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "frontend/compiler.h"
#include "frontend/compile_driver.h"
#include "support/format.h"

using namespace quorin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text = from_utf8(std::string_view(reinterpret_cast<const char*>(data), size));
  // The compiler reads up to the first NUL, as it does for loaded files.
  if (auto z = text.find(u'\0'); z != std::u16string::npos) text.resize(z);
  Program program;
  CompileErrors errors;
  static const std::u16string path = u"/fuzz/main.q";
  Compiler compiler(program, errors, program.intern_path(path));
  compiler.compile(text);
  for (const CompileError& e : errors.list())
    if (e.text.size() > kMaxErrorText || e.line < 0) std::abort();
  if (errors.count() > 0) {
    std::string report = json_error_report(errors);
    std::u16string lines = text_error_report(errors, false);
    if (report.empty() || lines.empty()) std::abort();
  }
  return 0;
}
