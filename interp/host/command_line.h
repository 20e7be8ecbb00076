// The interpreter's command line: [mode] [-charset=NAME] [-dev] script [args…]
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace quorin {

struct CommandLine {
  std::u16string mode;                    // cut to 7 units
  std::optional<std::u16string> charset;  // cut to 15 units
  std::u16string script;                  // cut to 259 units
  std::vector<std::u16string> script_args;
};

// Examines every word in order, the program's own path included.
CommandLine parse_command_line(const std::vector<std::u16string>& words);
// The usage line for a check mode given without a script, or empty.
std::u16string usage_line(const std::u16string& mode);

}  // namespace quorin
