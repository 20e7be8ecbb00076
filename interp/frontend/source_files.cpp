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

bool has_extension(std::u16string_view path, std::u16string_view lower_ext) {
  if (path.size() < lower_ext.size()) return false;
  path = path.substr(path.size() - lower_ext.size());
  for (size_t i = 0; i < path.size(); ++i) {
    char16_t c = path[i] >= u'A' && path[i] <= u'Z' ? static_cast<char16_t>(path[i] + 32) : path[i];
    if (c != lower_ext[i]) return false;
  }
  return true;
}

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
