#include "frontend/source_files.h"

namespace quorin {

namespace {
bool is_separator(char16_t c) {
#ifdef _WIN32
  return c == u'\\' || c == u'/';
#else
  return c == u'/';
#endif
}

size_t last_separator(std::u16string_view path) {
  for (size_t i = path.size(); i > 0; --i)
    if (is_separator(path[i - 1])) return i - 1;
  return std::u16string_view::npos;
}
}  // namespace

std::u16string_view name_part(std::u16string_view path) {
  size_t k = last_separator(path);
  return k == std::u16string_view::npos ? path : path.substr(k + 1);
}

std::u16string_view folder_part(std::u16string_view path) {
  size_t k = last_separator(path);
  if (k == std::u16string_view::npos) return {};
  // Keep the separator of a root ("/", "C:\") so it stays a folder.
  if (k == 0 || (k == 2 && path[1] == u':')) return path.substr(0, k + 1);
  return path.substr(0, k);
}

}  // namespace quorin
