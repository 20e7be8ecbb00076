#include "frontend/diagnostics.h"

namespace quorin {

CheckMode parse_check_mode(std::u16string_view word) {
  std::u16string w(word);
  for (auto& c : w)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  if (w == u"-c") return CheckMode::Check;
  if (w == u"-cr") return CheckMode::CheckRun;
  if (w == u"-ic") return CheckMode::IdeCheck;
  if (w == u"-icr") return CheckMode::IdeCheckRun;
  return CheckMode::Run;
}

void CompileErrors::add(const std::u16string& file, int line, std::u16string msg) {
  if (msg.size() > kMaxErrorText) {
    size_t cut = kMaxErrorText;
    // Never leave half of a surrogate pair at the end.
    if (msg[cut - 1] >= 0xD800 && msg[cut - 1] <= 0xDBFF) --cut;
    msg.resize(cut);
  }
  list_.push_back(CompileError{file, line, std::move(msg)});
}

}  // namespace quorin
