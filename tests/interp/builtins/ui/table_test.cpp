#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builtins/tables.h"
#include "support/format.h"

namespace quorin {
namespace {

TEST(UiTable, SignaturesInRegistryOrder) {
  std::vector<std::string> got;
  BuiltinTable t = ui_table();
  for (size_t i = 0; i < t.count; ++i) {
    const BuiltinEntry& e = t.entries[i];
    std::string s = to_utf8(e.name) + " " + std::to_string(e.ret) + "(";
    for (int a = 0; a < e.argc; ++a) s += (a ? "," : "") + std::to_string(e.args[a]);
    got.push_back(s + ")");
  }
  const std::vector<std::string> expect = {
      "alert -1(8)", "alert -1(8,4)", "confirm 4(8)", "confirm 4(8,4)",
      "prompt 4(8,29)", "prompt 4(8,29,4)", "prompt 4(8,29,4,4)",
      "input_box 4(8,8,29)", "input_box 4(8,8,29,4)", "input_box 4(8,8,29,4,4)",
      "input_multiline_box 4(8,8,29)", "input_multiline_box 4(8,8,29,4)", "input_multiline_box 4(8,8,29,4,4,4)",
      "play_alert_sound -1(4)", "stop_alert_sound -1()",
      "run 4(8)", "run 4(8,8)", "run 4(8,8,8)", "run 4(8,8,8,4)",
  };
  EXPECT_EQ(got, expect);
}

}  // namespace
}  // namespace quorin
