// Windows file access through the wide-character C runtime and kernel32.
#include <windows.h>

#include <climits>
#include <cstdio>
#include <string>
#include <sys/stat.h>

#include "frontend/source_files.h"

namespace quorin {

namespace {
const wchar_t* wide(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

bool is_sep(char16_t c) { return c == u'\\' || c == u'/'; }
bool has_drive(std::u16string_view p) {
  return p.size() >= 2 && p[1] == u':' && ((p[0] >= u'A' && p[0] <= u'Z') || (p[0] >= u'a' && p[0] <= u'z'));
}
char16_t upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

// "C:" of a drive path, "\\server\share" of a UNC path, else empty.
std::u16string root_of(std::u16string_view folder) {
  if (has_drive(folder)) return std::u16string(folder.substr(0, 2));
  if (folder.size() > 2 && is_sep(folder[0]) && is_sep(folder[1])) {
    size_t seps = 0;
    for (size_t i = 2; i < folder.size(); ++i)
      if (is_sep(folder[i]) && ++seps == 2) return std::u16string(folder.substr(0, i));
    return std::u16string(folder);
  }
  return {};
}
}  // namespace

ReadStatus read_file_bytes(const std::u16string& path, std::string& out) {
  out.clear();
  if (!path_exists(path)) return ReadStatus::Missing;
  FILE* f = _wfopen(wide(path), L"rb");
  if (!f) return ReadStatus::OpenFailed;
  ReadStatus status = ReadStatus::Ok;
  struct _stat64 st;
  if (_fstat64(_fileno(f), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) {
    status = ReadStatus::OpenFailed;
  } else if (st.st_size > INT_MAX) {
    status = ReadStatus::TooLarge;
  } else {
    out.resize(static_cast<size_t>(st.st_size));
    size_t got = out.empty() ? 0 : std::fread(out.data(), 1, out.size(), f);
    if (got < out.size()) {
      out.clear();
      status = ReadStatus::ReadFailed;
    }
  }
  std::fclose(f);
  return status;
}

bool path_exists(const std::u16string& path) { return GetFileAttributesW(wide(path)) != INVALID_FILE_ATTRIBUTES; }

std::u16string full_path(const std::u16string& path) {
  DWORD n = GetFullPathNameW(wide(path), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::u16string out(n, u'\0');
  n = GetFullPathNameW(wide(path), n, reinterpret_cast<wchar_t*>(out.data()), nullptr);
  if (n == 0 || n >= out.size()) return path;
  out.resize(n);
  return out;
}

std::u16string resolve_in_folder(const std::u16string& folder, const std::u16string& name) {
  std::u16string_view f(folder);
  while (!f.empty() && is_sep(f.back()) && !(f.size() == 3 && has_drive(f))) f.remove_suffix(1);
  std::u16string base(f);
  if (!base.empty() && !is_sep(base.back())) base += u'\\';
  if (has_drive(name)) {
    if (name.size() > 2 && is_sep(name[2])) return full_path(name);  // "C:\x.q"
    // "C:x.q": relative to the folder when it lies on that drive, else to
    // that drive's own current folder.
    if (has_drive(folder) && upper(folder[0]) == upper(name[0])) return full_path(base + name.substr(2));
    return full_path(name);
  }
  if (!name.empty() && is_sep(name[0])) {
    if (name.size() > 1 && is_sep(name[1])) return full_path(name);  // UNC
    return full_path(root_of(folder) + name);                        // "\x.q": the folder's root
  }
  return full_path(base + name);
}

bool same_path(std::u16string_view a, std::u16string_view b) {
  if (a.size() > INT_MAX || b.size() > INT_MAX) return false;
  return CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.data()), static_cast<int>(a.size()),
                              reinterpret_cast<const wchar_t*>(b.data()), static_cast<int>(b.size()),
                              TRUE) == CSTR_EQUAL;
}

}  // namespace quorin
