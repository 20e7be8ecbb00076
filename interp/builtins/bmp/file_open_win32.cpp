#include <string>

#include "builtins/bmp/bmp_codec.h"

namespace quorin::bmp {

std::FILE* open_file(std::u16string_view path, bool write) {
  if (path.empty()) return nullptr;
  std::wstring p(path.begin(), path.end());
  if (p.size() >= 260 && p.rfind(L"\\\\?\\", 0) != 0) p = L"\\\\?\\" + p;
  return _wfopen(p.c_str(), write ? L"wb" : L"rb");
}

}  // namespace quorin::bmp
