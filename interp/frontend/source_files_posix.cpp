// Native file access: paths are converted to UTF-8; only regular files are
// read.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>
#include <vector>

#include "frontend/source_files.h"
#include "support/format.h"

namespace quorin {

ReadStatus read_file_bytes(const std::u16string& path, std::string& out) {
  out.clear();
  const std::string p = to_utf8(path);
  struct stat st;
  if (::stat(p.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::OpenFailed;
  int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ReadStatus::OpenFailed;
  ReadStatus status = ReadStatus::Ok;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    status = ReadStatus::OpenFailed;
  } else if (st.st_size > INT_MAX) {
    status = ReadStatus::TooLarge;
  } else {
    out.resize(static_cast<size_t>(st.st_size));
    size_t got = 0;
    while (got < out.size()) {
      ssize_t r = ::read(fd, out.data() + got, out.size() - got);
      if (r < 0 && errno == EINTR) continue;
      if (r <= 0) break;
      got += static_cast<size_t>(r);
    }
    if (got < out.size()) {
      out.clear();
      status = ReadStatus::ReadFailed;
    }
  }
  ::close(fd);
  return status;
}

bool path_exists(const std::u16string& path) {
  struct stat st;
  return ::stat(to_utf8(path).c_str(), &st) == 0;
}

namespace {
std::u16string current_folder() {
  std::vector<char> buf(4096);
  while (!::getcwd(buf.data(), buf.size())) {
    if (errno != ERANGE) return u"/";
    buf.resize(buf.size() * 2);
  }
  return from_utf8(buf.data());
}
}  // namespace

std::u16string full_path(const std::u16string& path) {
  std::u16string joined = !path.empty() && path[0] == u'/' ? path : current_folder() + u"/" + path;
  // Rebuild segment by segment: "." disappears, ".." drops one level.
  std::vector<std::u16string_view> parts;
  std::u16string_view rest(joined);
  while (!rest.empty()) {
    size_t k = rest.find(u'/');
    std::u16string_view seg = rest.substr(0, k);
    rest = k == std::u16string_view::npos ? std::u16string_view() : rest.substr(k + 1);
    if (seg.empty() || seg == u".") continue;
    if (seg == u"..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(seg);
  }
  std::u16string out;
  for (auto seg : parts) {
    out += u'/';
    out += seg;
  }
  return out.empty() ? u"/" : out;
}

std::u16string resolve_in_folder(const std::u16string& folder, const std::u16string& name) {
  if (!name.empty() && name[0] == u'/') return full_path(name);
  return full_path(folder + u"/" + name);
}

bool same_path(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
  for (size_t i = 0; i < a.size(); ++i)
    if (fold(a[i]) != fold(b[i])) return false;
  return true;
}

}  // namespace quorin
