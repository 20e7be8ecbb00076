// Compiling a 10,000-line script (functions, loops, arrays, expressions).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "frontend/compile_driver.h"
#include "support/format.h"

namespace {

class NullReporter : public quorin::ReportOutput {
 public:
  void console(std::u16string_view) override {}
  void message_box(std::u16string_view, std::u16string_view) override {}
};

std::string make_script(int lines) {
  std::string s = "int total = 0\nint data[100]\n";
  int n = 2;
  for (int f = 0; n < lines; ++f) {
    s += "func int f" + std::to_string(f) + "(int a, double b)\n";
    s += "  int i\n  double acc = b * 2.5 + a\n";
    s += "  for i = 0 to 99\n    data[i] = (i * 3 + a) % 7 - (a << 2)\n";
    s += "    if data[i] > 3 && acc < 100.0 || i == 50\n      acc = acc + data[i] / 2\n    endif\n  next\n";
    s += "  string t = \"value \" + acc\n  return acc\nendfunc\n";
    s += "total = total + f" + std::to_string(f) + "(total, 1.5)\n";
    n += 14;
  }
  return s;
}

void BM_Compile10kLines(benchmark::State& state) {
  auto dir = std::filesystem::temp_directory_path() / "quorin-compile-bench";
  std::filesystem::create_directories(dir);
  auto path = dir / "big.q";
  std::ofstream(path) << make_script(10000);
  NullReporter reporter;
  for (auto _ : state) {
    auto r = quorin::compile_script(quorin::from_utf8(path.string()), std::nullopt, quorin::CheckMode::Run, reporter);
    benchmark::DoNotOptimize(r.program.get());
    if (!r.program) state.SkipWithError("the generated script did not compile");
  }
}
BENCHMARK(BM_Compile10kLines)->Unit(benchmark::kMillisecond);

}  // namespace
