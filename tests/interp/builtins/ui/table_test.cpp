#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interp/builtins/table_signatures.h"

namespace quorin {
namespace {

TEST(UiTable, SignaturesInRegistryOrder) {
  const std::vector<std::string> got = table_signatures(ui_table());
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
