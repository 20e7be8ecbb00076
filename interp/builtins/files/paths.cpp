#include "builtins/files/paths.h"

#include <algorithm>

namespace quorin::files {

namespace {

char16_t fold(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool match_from(std::u16string_view n, std::u16string_view p) {
  // Iterative matching with one backtrack point per "*".
  size_t i = 0, j = 0, star = std::u16string_view::npos, mark = 0;
  while (i < n.size()) {
    if (j < p.size() && (p[j] == u'?' || fold(p[j]) == fold(n[i]))) {
      ++i;
      ++j;
    } else if (j < p.size() && p[j] == u'*') {
      star = j++;
      mark = i;
    } else if (star != std::u16string_view::npos) {
      j = star + 1;
      i = ++mark;
    } else {
      return false;
    }
  }
  while (j < p.size() && p[j] == u'*') ++j;
  return j == p.size();
}

}  // namespace

bool has_drive(std::u16string_view p) {
  return p.size() >= 2 && p[1] == u':' && ((p[0] >= u'A' && p[0] <= u'Z') || (p[0] >= u'a' && p[0] <= u'z')) &&
         (p.size() == 2 || is_separator(p[2]));
}

bool is_absolute(std::u16string_view p) {
  if (p.size() >= 3 && has_drive(p)) return true;
  if (p.size() >= 2 && is_separator(p[0]) && is_separator(p[1])) return true;
#ifndef _WIN32
  if (!p.empty() && p[0] == u'/') return true;
#endif
  return false;
}

std::u16string prefixed(std::u16string_view p) {
  if (p.size() >= 4 && p.substr(0, 4) == u"\\\\?\\") return std::u16string(p);
  if (!is_absolute(p)) return std::u16string(p);
  std::u16string out;
  if (is_separator(p[0])) {
    out = u"\\\\?\\UNC\\";
    p.remove_prefix(2);
  } else {
    out = u"\\\\?\\";
  }
  out.reserve(out.size() + p.size());
  for (char16_t c : p) out.push_back(c == u'/' ? u'\\' : c);
  return out;
}

std::u16string_view trim_folder_path(std::u16string_view p) {
  while (!p.empty() && p.back() == u' ') p.remove_suffix(1);
  if (!p.empty() && is_separator(p.back())) p.remove_suffix(1);
  return p;
}

bool is_bare_drive(std::u16string_view p) { return p.size() <= 2 && p.find(u':') != std::u16string_view::npos; }

std::vector<std::u16string> folder_levels(std::u16string_view p, char16_t sep) {
  std::vector<std::u16string_view> parts;
  size_t i = 0;
  while (i < p.size()) {
    size_t j = i;
    while (j < p.size() && !is_separator(p[j])) ++j;
    if (j > i) parts.push_back(p.substr(i, j - i));
    i = j + 1;
  }
  std::vector<std::u16string> levels;
  if (parts.empty() || parts.size() > 64) return levels;
  std::u16string acc;
  if (is_separator(p[0])) {
    acc.push_back(sep);
    if (p.size() > 1 && is_separator(p[1])) acc.push_back(sep);  // "\\server\share"
  }
  for (size_t k = 0; k < parts.size(); ++k) {
    if (k == 0 && parts[0].find(u':') != std::u16string_view::npos) {
      acc.append(parts[0]);
      acc.push_back(sep);
      levels.push_back(acc);
      continue;
    }
    if (!acc.empty() && acc.back() != sep) acc.push_back(sep);
    acc.append(parts[k]);
    levels.push_back(acc);
  }
  return levels;
}

std::u16string listing_folder(std::u16string_view p) {
  while (p.size() > 1 && is_separator(p.back())) p.remove_suffix(1);
  std::u16string out(p);
  if (out.size() == 2 && out[1] == u':') out.push_back(u'\\');
  return out;
}

std::u16string join_path(std::u16string_view folder, std::u16string_view name, char16_t sep) {
  std::u16string out(folder);
  if (out.empty() || !is_separator(out.back())) out.push_back(sep);
  out.append(name);
  return out;
}

std::u16string folder_of(std::u16string_view path) {
  size_t cut = path.find_last_of(u"\\/");
  if (cut == std::u16string_view::npos) return {};
  if (cut == 0) return std::u16string(path.substr(0, 1));
  if (cut == 2 && path[1] == u':') return std::u16string(path.substr(0, 3));
  return std::u16string(path.substr(0, cut));
}

bool path_below(std::u16string_view path, std::u16string_view folder, std::u16string& rest) {
  if (folder.empty() || path.size() < folder.size()) return false;
  for (size_t i = 0; i < folder.size(); ++i)
    if (fold(path[i]) != fold(folder[i]) && !(is_separator(path[i]) && is_separator(folder[i]))) return false;
  if (path.size() > folder.size() && !is_separator(path[folder.size()]) && !is_separator(folder.back()))
    return false;
  rest = std::u16string(path.substr(folder.size()));
  return true;
}

bool wildcard_match(std::u16string_view name, std::u16string_view pattern) {
  if (pattern == u"*.*" || pattern == u"*") return true;
  if (match_from(name, pattern)) return true;
  // "name.*" also matches "name"; "*." matches names without a dot.
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == u".*" &&
      name.find(u'.') == std::u16string_view::npos)
    return match_from(name, pattern.substr(0, pattern.size() - 2));
  if (pattern.size() >= 2 && pattern.back() == u'.' && name.find(u'.') == std::u16string_view::npos)
    return match_from(name, pattern.substr(0, pattern.size() - 1));
  return false;
}

bool name_less(std::u16string_view a, std::u16string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    char16_t x = fold(a[i]), y = fold(b[i]);
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

std::u16string dialog_filter(std::u16string_view filter) {
  std::u16string out(filter);
  std::replace(out.begin(), out.end(), u'|', u'\0');
  out.push_back(u'\0');
  out.push_back(u'\0');
  return out;
}

std::vector<std::u16string> split_multi_select(std::u16string_view buffer) {
  std::vector<std::u16string_view> parts;
  size_t i = 0;
  while (i < buffer.size() && buffer[i] != u'\0') {
    size_t j = buffer.find(u'\0', i);
    if (j == std::u16string_view::npos) j = buffer.size();
    parts.push_back(buffer.substr(i, j - i));
    i = j + 1;
  }
  std::vector<std::u16string> out;
  if (parts.empty()) return out;
  if (parts.size() == 1) {
    out.emplace_back(parts[0]);
    return out;
  }
  for (size_t k = 1; k < parts.size(); ++k) out.push_back(join_path(parts[0], parts[k], u'\\'));
  return out;
}

}  // namespace quorin::files
