#include "host/command_line.h"

namespace quorin {

namespace {
std::u16string lower(std::u16string s) {
  for (char16_t& c : s)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  return s;
}
bool ends_with_ci(const std::u16string& s, std::u16string_view tail) {
  return s.size() >= tail.size() && lower(s.substr(s.size() - tail.size())) == tail;
}
}  // namespace

CommandLine parse_command_line(const std::vector<std::u16string>& words) {
  CommandLine cl;
  bool have_mode = false;
  for (const std::u16string& w : words) {
    if (!cl.script.empty()) {
      cl.script_args.push_back(w);
      continue;
    }
    if (!w.empty() && w[0] == u'-') {
      if (lower(w.substr(0, 9)) == u"-charset=") {
        if (!cl.charset) cl.charset = w.substr(9, 15);
      } else if (lower(w) == u"-dev") {
        // accepted, no effect
      } else if (!have_mode) {
        cl.mode = w.substr(0, 7);
        have_mode = true;
      }
    } else if (ends_with_ci(w, u".q") || ends_with_ci(w, u".qe")) {
      cl.script = w.substr(0, 259);
    }
  }
  return cl;
}

std::u16string usage_line(const std::u16string& mode) {
  std::u16string m = lower(mode);
  if (m == u"-ic" || m == u"-icr" || m == u"-c" || m == u"-cr")
    return u"正确的命令行格式： quorin.exe " + m + u" <脚本文件>";
  return {};
}

}  // namespace quorin
