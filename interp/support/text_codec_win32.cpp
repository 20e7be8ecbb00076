// Windows conversions through the system's code-page tables, flags 0 (so
// invalid input and unmappable characters take the system's defaults).
#include <windows.h>

#include <climits>
#include <string>

#include "support/text_codec.h"
#include "support/text_codec_platform.h"

namespace quorin::codec_detail {

namespace {
UINT system_codepage(int codepage) { return codepage == codepage::Ansi ? CP_ACP : static_cast<UINT>(codepage); }
}  // namespace

std::u16string platform_decode(std::string_view bytes, int codepage) {
  if (bytes.size() > static_cast<size_t>(INT_MAX)) return {};
  const UINT cp = system_codepage(codepage);
  const int len = static_cast<int>(bytes.size());
  int n = MultiByteToWideChar(cp, 0, bytes.data(), len, nullptr, 0);
  if (n <= 0) return {};
  std::u16string out(static_cast<size_t>(n), u'\0');
  n = MultiByteToWideChar(cp, 0, bytes.data(), len, reinterpret_cast<wchar_t*>(out.data()), n);
  out.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return out;
}

std::string platform_encode(std::u16string_view text, int codepage) {
  if (text.size() > static_cast<size_t>(INT_MAX)) return {};
  const UINT cp = system_codepage(codepage);
  const int len = static_cast<int>(text.size());
  const auto* src = reinterpret_cast<const wchar_t*>(text.data());
  // UTF-8 and GB18030 refuse a default-character argument; the others use
  // the code page's own default ('?') when none is given.
  int n = WideCharToMultiByte(cp, 0, src, len, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(static_cast<size_t>(n), '\0');
  n = WideCharToMultiByte(cp, 0, src, len, out.data(), n, nullptr, nullptr);
  out.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return out;
}

}  // namespace quorin::codec_detail
