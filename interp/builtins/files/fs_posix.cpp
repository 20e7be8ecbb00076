// The file system natively: POSIX calls with the results the Windows build
// gives where POSIX has the same meaning.  "\" in a script path is a
// separator here as well; listings and path results use "/".
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>

#include "builtins/files/fs.h"
#include "builtins/files/paths.h"
#include "support/format.h"

namespace quorin::files {

const char16_t kSeparator = u'/';

namespace {

std::string native_path(std::u16string_view p) {
  std::u16string t(p);
  std::replace(t.begin(), t.end(), u'\\', u'/');
  return to_utf8(t);
}

int crt_of(int e) {
  switch (e) {
    case ENAMETOOLONG:
      return crt::NameTooLong;
    case ENOTEMPTY:
      return crt::NotEmpty;
    case EILSEQ:
      return crt::Ilseq;
    case ELOOP:
      return crt::NoEnt;
    default:
      return e > 0 && e <= 34 ? e : crt::Inval;
  }
}

FsError error_of(int e) { return FsError{crt_of(e), static_cast<uint32_t>(e)}; }

bool fail(FsError& err, int e) {
  err = error_of(e);
  return false;
}

bool exists_any(const std::string& p) {
  struct stat st;
  return lstat(p.c_str(), &st) == 0;
}

}  // namespace

// ---- OsFile ----

OsFile* OsFile::open(std::u16string_view path, const OsOpen& how, FsError& err) {
  int flags = O_CLOEXEC;
  flags |= how.read && how.write ? O_RDWR : how.write ? O_WRONLY : O_RDONLY;
  switch (how.disposition) {
    case OsOpen::Existing:
      break;
    case OsOpen::CreateAlways:
      flags |= O_CREAT | O_TRUNC;
      break;
    case OsOpen::OpenAlways:
      flags |= O_CREAT;
      break;
    case OsOpen::CreateNew:
      flags |= O_CREAT | O_EXCL;
      break;
  }
  const std::string p = native_path(path);
  if (p.empty()) {
    err = error_of(ENOENT);
    return nullptr;
  }
  int fd = ::open(p.c_str(), flags, 0666);
  if (fd < 0) {
    err = error_of(errno);
    return nullptr;
  }
  // A folder is not a file to open (the Windows runtime refuses it too).
  struct stat st;
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    err = error_of(EACCES);
    return nullptr;
  }
  auto* f = new OsFile;
  f->h_ = fd;
  return f;
}

OsFile::~OsFile() {
  if (h_ >= 0) ::close(static_cast<int>(h_));
}

int64_t OsFile::read(void* buf, size_t n) {
  for (;;) {
    ssize_t r = ::read(static_cast<int>(h_), buf, std::min<size_t>(n, 1u << 30));
    if (r >= 0) return r;
    if (errno == EINTR) continue;
    err_ = error_of(errno);
    return -1;
  }
}

bool OsFile::write(const void* buf, size_t n) {
  const char* p = static_cast<const char*>(buf);
  while (n > 0) {
    ssize_t r = ::write(static_cast<int>(h_), p, std::min<size_t>(n, 1u << 30));
    if (r < 0) {
      if (errno == EINTR) continue;
      err_ = error_of(errno);
      return false;
    }
    if (r == 0) {
      err_ = error_of(ENOSPC);
      return false;
    }
    p += r;
    n -= static_cast<size_t>(r);
  }
  return true;
}

int64_t OsFile::seek(int64_t offset, int whence) {
  off_t r = lseek(static_cast<int>(h_), offset, whence == 0 ? SEEK_SET : whence == 1 ? SEEK_CUR : SEEK_END);
  if (r < 0) err_ = error_of(errno);
  return r;
}

int64_t OsFile::size() {
  struct stat st;
  if (fstat(static_cast<int>(h_), &st) != 0) {
    err_ = error_of(errno);
    return -1;
  }
  return st.st_size;
}

bool OsFile::truncate(int64_t length) {
  if (ftruncate(static_cast<int>(h_), length) == 0) return true;
  err_ = error_of(errno);
  return false;
}

bool OsFile::sync() { return fsync(static_cast<int>(h_)) == 0; }

// ---- single operations ----

bool fs_is_folder(std::u16string_view path, FsError& err) {
  struct stat st;
  if (stat(native_path(path).c_str(), &st) != 0) return fail(err, errno);
  return S_ISDIR(st.st_mode);
}

bool fs_copy(std::u16string_view from, std::u16string_view to, bool fail_if_exists, FsError& err) {
  const std::string src = native_path(from), dst = native_path(to);
  int in = ::open(src.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return fail(err, errno);
  struct stat st;
  if (fstat(in, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(in);
    return fail(err, EACCES);
  }
  struct stat dst_st;
  if (stat(dst.c_str(), &dst_st) == 0 && dst_st.st_dev == st.st_dev && dst_st.st_ino == st.st_ino) {
    ::close(in);  // copying a file onto itself would empty it
    return fail(err, fail_if_exists ? EEXIST : EACCES);
  }
  int out = ::open(dst.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (fail_if_exists ? O_EXCL : O_TRUNC),
                   st.st_mode & 0777);
  if (out < 0) {
    int e = errno;
    ::close(in);
    return fail(err, e);
  }
  std::unique_ptr<char[]> buf(new char[1 << 20]);
  bool ok = true;
  int e = 0;
  for (;;) {
    ssize_t r = ::read(in, buf.get(), 1 << 20);
    if (r < 0) {
      if (errno == EINTR) continue;
      e = errno;
      ok = false;
      break;
    }
    if (r == 0) break;
    for (ssize_t done = 0; done < r;) {
      ssize_t w = ::write(out, buf.get() + done, static_cast<size_t>(r - done));
      if (w <= 0) {
        if (w < 0 && errno == EINTR) continue;
        e = w < 0 ? errno : ENOSPC;
        ok = false;
        break;
      }
      done += w;
    }
    if (!ok) break;
  }
  ::close(in);
  if (::close(out) != 0 && ok) {
    ok = false;
    e = errno;
  }
  if (!ok) {
    unlink(dst.c_str());  // no half copy stays behind
    return fail(err, e);
  }
  return true;
}

bool fs_rename(std::u16string_view from, std::u16string_view to, bool, FsError& err) {
  const std::string a = native_path(from), b = native_path(to);
  // Renaming never replaces an existing file or folder (as on Windows).
  if (exists_any(b)) return fail(err, EEXIST);
  if (::rename(a.c_str(), b.c_str()) != 0) return fail(err, errno);
  return true;
}

bool fs_remove(std::u16string_view path, FsError& err) {
  const std::string p = native_path(path);
  struct stat st;
  if (lstat(p.c_str(), &st) != 0) return fail(err, errno);
  if (S_ISDIR(st.st_mode)) return fail(err, EACCES);
  // A file without write permission is read-only: the Windows runtime
  // refuses to delete it, and so does this build.
  if (!S_ISLNK(st.st_mode) && !(st.st_mode & S_IWUSR)) return fail(err, EACCES);
  if (unlink(p.c_str()) != 0) return fail(err, errno);
  return true;
}

bool fs_make_folder(std::u16string_view path, FsError& err) {
  if (mkdir(native_path(path).c_str(), 0777) != 0) return fail(err, errno);
  return true;
}

bool fs_remove_folder(std::u16string_view path, FsError& err) {
  if (rmdir(native_path(path).c_str()) != 0) return fail(err, errno);
  return true;
}

bool fs_list(std::u16string_view folder, std::u16string_view pattern, std::vector<DirEntry>& out, FsError& err) {
  const std::string dir = native_path(folder);
  DIR* d = opendir(dir.c_str());
  if (!d) return fail(err, errno);
  while (dirent* e = readdir(d)) {
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    std::u16string name = from_utf8(e->d_name);
    if (!wildcard_match(name, pattern)) continue;
    bool is_dir = false, is_link = e->d_type == DT_LNK;
    if (e->d_type == DT_DIR) {
      is_dir = true;
    } else if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
      struct stat st;
      std::string full = dir + (dir.empty() || dir.back() != '/' ? "/" : "") + e->d_name;
      if (e->d_type == DT_UNKNOWN && lstat(full.c_str(), &st) == 0) is_link = S_ISLNK(st.st_mode);
      is_dir = stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    out.push_back(DirEntry{std::move(name), is_dir, is_link});
  }
  closedir(d);
  return true;
}

// ---- folders and path forms ----

bool fs_set_current_directory(std::u16string_view path, FsError& err) {
  if (chdir(native_path(path).c_str()) != 0) return fail(err, errno);
  return true;
}

std::u16string fs_current_directory() {
  std::string buf(PATH_MAX, '\0');
  if (!getcwd(buf.data(), buf.size())) return {};
  buf.resize(std::strlen(buf.c_str()));
  return from_utf8(buf);
}

std::u16string fs_program_folder() {
  std::string buf(PATH_MAX, '\0');
  ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return fs_current_directory();
  buf.resize(static_cast<size_t>(n));
  return folder_of(from_utf8(buf));
}

std::u16string fs_full_path(std::u16string_view path, FsError& err) {
  if (path.empty()) {
    fail(err, ENOENT);
    return {};
  }
  std::u16string p(path);
  std::replace(p.begin(), p.end(), u'\\', u'/');
  if (p[0] != u'/') p = fs_current_directory() + u"/" + p;
  // "." and ".." are resolved in the text, as the Windows call does.
  std::vector<std::u16string_view> parts;
  std::u16string_view v(p);
  size_t i = 0;
  while (i <= v.size()) {
    size_t j = v.find(u'/', i);
    if (j == std::u16string_view::npos) j = v.size();
    std::u16string_view part = v.substr(i, j - i);
    if (part == u"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != u".") {
      parts.push_back(part);
    }
    i = j + 1;
  }
  std::u16string out;
  for (auto part : parts) {
    out.push_back(u'/');
    out.append(part);
  }
  if (out.empty() || p.back() == u'/') out.push_back(u'/');
  return out;
}

// ---- replacing a file ----

std::pair<unsigned, unsigned> fs_name_salt(int) {
  std::random_device rd;
  const unsigned a = rd();
  return {a, rd()};
}

bool fs_replaceable(std::u16string_view path) {
  struct stat st;
  if (lstat(native_path(path).c_str(), &st) != 0) return false;
  return S_ISREG(st.st_mode) && st.st_nlink == 1;
}

bool fs_replace(std::u16string_view path, std::u16string_view replacement, FsError& err) {
  const std::string target = native_path(path), repl = native_path(replacement);
  struct stat st;
  if (stat(target.c_str(), &st) == 0) {
    chmod(repl.c_str(), st.st_mode & 07777);
    if (chown(repl.c_str(), st.st_uid, st.st_gid) != 0) {
      // Another owner cannot be kept: the caller writes in place instead.
      return fail(err, EPERM);
    }
  }
  if (::rename(repl.c_str(), target.c_str()) != 0) return fail(err, errno);
  return true;
}

// ---- Windows-only services ----

std::u16string fs_short_path(std::u16string_view, FsError& err) {
  fail(err, ENOSYS);
  return {};
}
std::u16string fs_long_path(std::u16string_view, FsError& err) {
  fail(err, ENOSYS);
  return {};
}
std::u16string fs_system_folder(int32_t, FsError& err) {
  fail(err, ENOSYS);
  return {};
}

// ---- error channels ----

// The runtime's number → the system's, for its text (the numbers up to 34
// agree).
std::u16string crt_error_text(int n) {
  int e = n;
  switch (n) {
    case 36: e = EDEADLK; break;
    case crt::NameTooLong: e = ENAMETOOLONG; break;
    case 39: e = ENOLCK; break;
    case 40: e = ENOSYS; break;
    case crt::NotEmpty: e = ENOTEMPTY; break;
    case crt::Ilseq: e = EILSEQ; break;
    default:
      if (n < 0 || n > 34 || n == 15 || n == 26) return u"Unknown error";
  }
  return from_utf8(std::strerror(e));
}

std::u16string system_error_text(uint32_t n) {
  if (n == 0 || n > 4095) return {};
  return from_utf8(std::strerror(static_cast<int>(n)));
}

uint32_t system_last_error(uint32_t recorded) { return recorded; }
void set_system_last_error(const FsError&) {}

bool ansi_lead_byte(uint8_t b) { return b >= 0x81 && b <= 0xFE; }  // GBK

}  // namespace quorin::files
