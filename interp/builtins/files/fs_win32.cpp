// The file system on Windows: wide Win32 calls, with the long-path prefix
// where a path reaches the operation's limit (paths.h).
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <cwchar>
#include <string>

#include "builtins/files/fs.h"
#include "builtins/files/paths.h"
#include "support/format.h"

namespace quorin::files {

const char16_t kSeparator = u'\\';

namespace {

std::wstring wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
std::u16string u16(std::wstring_view s) { return std::u16string(s.begin(), s.end()); }

// How the C runtime turns a system error into errno.
int crt_of(DWORD e) {
  switch (e) {
    case ERROR_FILE_NOT_FOUND: case ERROR_PATH_NOT_FOUND: case ERROR_INVALID_DRIVE: case ERROR_NO_MORE_FILES:
    case ERROR_BAD_NETPATH: case ERROR_BAD_NET_NAME: case ERROR_BAD_PATHNAME: case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_INVALID_NAME:
      return crt::NoEnt;
    case ERROR_TOO_MANY_OPEN_FILES:
      return crt::MFile;
    case ERROR_ACCESS_DENIED: case ERROR_CURRENT_DIRECTORY: case ERROR_WRITE_PROTECT: case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: case ERROR_NETWORK_ACCESS_DENIED: case ERROR_CANNOT_MAKE: case ERROR_FAIL_I24:
    case ERROR_DRIVE_LOCKED: case ERROR_SEEK_ON_DEVICE: case ERROR_NOT_LOCKED: case ERROR_LOCK_FAILED:
      return crt::Acces;
    case ERROR_INVALID_HANDLE: case ERROR_INVALID_TARGET_HANDLE: case ERROR_DIRECT_ACCESS_HANDLE:
      return crt::BadF;
    case ERROR_ARENA_TRASHED: case ERROR_NOT_ENOUGH_MEMORY: case ERROR_INVALID_BLOCK: case ERROR_OUTOFMEMORY:
      return crt::NoMem;
    case ERROR_NOT_SAME_DEVICE:
      return crt::XDev;
    case ERROR_FILE_EXISTS: case ERROR_ALREADY_EXISTS:
      return crt::Exist;
    case ERROR_DISK_FULL: case ERROR_HANDLE_DISK_FULL:
      return crt::NoSpc;
    case ERROR_DIR_NOT_EMPTY:
      return crt::NotEmpty;
    case ERROR_BROKEN_PIPE:
      return 32;
    default:
      return crt::Inval;
  }
}

FsError last_error() {
  DWORD e = GetLastError();
  return FsError{crt_of(e), e};
}

bool fail(FsError& err) {
  err = last_error();
  return false;
}

// The path as the system call takes it: with the long-path prefix when it
// reaches `limit` (a relative path is made full first: the prefix turns off
// every rewriting of the path).
std::wstring sys_path(std::u16string_view p, size_t limit) {
  if (p.size() < limit) return wide(p);
  std::u16string full(p);
  if (!is_absolute(p) && !(p.size() >= 4 && p.substr(0, 4) == u"\\\\?\\")) {
    std::wstring w = wide(p);
    DWORD n = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
    if (n) {
      std::wstring buf(n, L'\0');
      n = GetFullPathNameW(w.c_str(), n, buf.data(), nullptr);
      buf.resize(n);
      full = u16(buf);
    }
  }
  return wide(prefixed(full));
}

// A result path without the prefix the call was given.
std::u16string unprefixed(std::u16string s) {
  if (s.rfind(u"\\\\?\\UNC\\", 0) == 0) return u"\\" + s.substr(7);
  if (s.rfind(u"\\\\?\\", 0) == 0) return s.substr(4);
  return s;
}

std::u16string short_form(std::u16string_view p) {
  std::wstring w = sys_path(p, limit::LongPathQuery);
  DWORD n = GetShortPathNameW(w.c_str(), nullptr, 0);
  if (!n) return {};
  std::wstring buf(n, L'\0');
  n = GetShortPathNameW(w.c_str(), buf.data(), n);
  buf.resize(n);
  return unprefixed(u16(buf));
}

}  // namespace

// ---- OsFile ----

OsFile* OsFile::open(std::u16string_view path, const OsOpen& how, FsError& err) {
  DWORD access = (how.read ? GENERIC_READ : 0) | (how.write ? GENERIC_WRITE : 0);
  DWORD disposition = OPEN_EXISTING;
  switch (how.disposition) {
    case OsOpen::Existing:
      disposition = OPEN_EXISTING;
      break;
    case OsOpen::CreateAlways:
      disposition = CREATE_ALWAYS;
      break;
    case OsOpen::OpenAlways:
      disposition = OPEN_ALWAYS;
      break;
    case OsOpen::CreateNew:
      disposition = CREATE_NEW;
      break;
  }
  if (path.empty()) {
    err = FsError{crt::NoEnt, ERROR_PATH_NOT_FOUND};
    return nullptr;
  }
  std::wstring p = sys_path(path, limit::File);
  HANDLE h = CreateFileW(p.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    err = last_error();
    return nullptr;
  }
  auto* f = new OsFile;
  f->h_ = reinterpret_cast<intptr_t>(h);
  return f;
}

OsFile::~OsFile() {
  if (h_ != -1) CloseHandle(reinterpret_cast<HANDLE>(h_));
}

int64_t OsFile::read(void* buf, size_t n) {
  DWORD got = 0;
  DWORD want = static_cast<DWORD>(n > (1u << 30) ? (1u << 30) : n);
  if (!ReadFile(reinterpret_cast<HANDLE>(h_), buf, want, &got, nullptr)) {
    if (GetLastError() == ERROR_HANDLE_EOF) return 0;
    err_ = last_error();
    return -1;
  }
  return got;
}

bool OsFile::write(const void* buf, size_t n) {
  const char* p = static_cast<const char*>(buf);
  while (n > 0) {
    DWORD put = 0;
    DWORD want = static_cast<DWORD>(n > (1u << 30) ? (1u << 30) : n);
    if (!WriteFile(reinterpret_cast<HANDLE>(h_), p, want, &put, nullptr)) {
      err_ = last_error();
      return false;
    }
    if (put == 0) {
      err_ = FsError{crt::NoSpc, ERROR_DISK_FULL};
      return false;
    }
    p += put;
    n -= put;
  }
  return true;
}

int64_t OsFile::seek(int64_t offset, int whence) {
  LARGE_INTEGER d, out;
  d.QuadPart = offset;
  if (!SetFilePointerEx(reinterpret_cast<HANDLE>(h_), d, &out,
                        whence == 0 ? FILE_BEGIN : whence == 1 ? FILE_CURRENT : FILE_END)) {
    err_ = last_error();
    return -1;
  }
  return out.QuadPart;
}

int64_t OsFile::size() {
  LARGE_INTEGER s;
  if (!GetFileSizeEx(reinterpret_cast<HANDLE>(h_), &s)) {
    err_ = last_error();
    return -1;
  }
  return s.QuadPart;
}

bool OsFile::truncate(int64_t length) {
  int64_t here = seek(0, 1);
  if (here < 0 || seek(length, 0) < 0) return false;
  bool ok = SetEndOfFile(reinterpret_cast<HANDLE>(h_));
  if (!ok) err_ = last_error();
  seek(here, 0);
  return ok;
}

bool OsFile::sync() { return FlushFileBuffers(reinterpret_cast<HANDLE>(h_)); }

// ---- single operations ----

bool fs_is_folder(std::u16string_view path, FsError& err) {
  std::wstring p = sys_path(path, limit::Folder);
  DWORD a = GetFileAttributesW(p.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return fail(err);
  return (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool fs_copy(std::u16string_view from, std::u16string_view to, bool fail_if_exists, FsError& err) {
  const bool long_form = from.size() >= limit::File || to.size() >= limit::File;
  std::wstring a = sys_path(from, long_form ? 0 : limit::File), b = sys_path(to, long_form ? 0 : limit::File);
  if (!CopyFileW(a.c_str(), b.c_str(), fail_if_exists)) return fail(err);
  return true;
}

bool fs_rename(std::u16string_view from, std::u16string_view to, bool folder, FsError& err) {
  const size_t lim = folder ? limit::Folder : limit::File;
  const bool long_form = from.size() >= lim || to.size() >= lim;
  std::wstring a = sys_path(from, long_form ? 0 : lim), b = sys_path(to, long_form ? 0 : lim);
  if (!MoveFileExW(a.c_str(), b.c_str(), MOVEFILE_COPY_ALLOWED)) return fail(err);
  return true;
}

bool fs_remove(std::u16string_view path, FsError& err) {
  std::wstring p = sys_path(path, limit::File);
  if (!DeleteFileW(p.c_str())) return fail(err);
  return true;
}

bool fs_make_folder(std::u16string_view path, FsError& err) {
  std::wstring p = sys_path(path, limit::FolderCreate);
  if (!CreateDirectoryW(p.c_str(), nullptr)) return fail(err);
  return true;
}

bool fs_remove_folder(std::u16string_view path, FsError& err) {
  std::wstring p = sys_path(path, limit::Folder);
  if (!RemoveDirectoryW(p.c_str())) return fail(err);
  return true;
}

bool fs_list(std::u16string_view folder, std::u16string_view pattern, std::vector<DirEntry>& out, FsError& err) {
  std::wstring spec = wide(join_path(prefixed(folder), pattern, u'\\'));
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW(spec.c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) {
    DWORD e = GetLastError();
    if (e == ERROR_FILE_NOT_FOUND || e == ERROR_NO_MORE_FILES) return true;  // nothing matches
    return fail(err);
  }
  do {
    if (std::wcscmp(fd.cFileName, L".") == 0 || std::wcscmp(fd.cFileName, L"..") == 0) continue;
    out.push_back(DirEntry{u16(fd.cFileName), (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return true;
}

// ---- folders and path forms ----

bool fs_set_current_directory(std::u16string_view path, FsError& err) {
  std::wstring p = wide(path);
  if (path.size() >= limit::CurrentDir) {
    std::u16string s = short_form(path);
    if (!s.empty()) p = wide(s);
  }
  if (!SetCurrentDirectoryW(p.c_str())) return fail(err);
  return true;
}

std::u16string fs_current_directory() {
  std::wstring buf(32768, L'\0');
  DWORD n = GetCurrentDirectoryW(32767, buf.data());
  if (n == 0 || n > 32767) return {};
  buf.resize(n);
  return u16(buf);
}

std::u16string fs_program_folder() {
  std::wstring buf(32768, L'\0');
  DWORD n = GetModuleFileNameW(nullptr, buf.data(), 32767);
  if (n == 0 || n >= 32767) return fs_current_directory();
  buf.resize(n);
  return folder_of(u16(buf));
}

std::u16string fs_full_path(std::u16string_view path, FsError& err) {
  std::wstring w = wide(path);
  DWORD n = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
  if (!n) {
    fail(err);
    return {};
  }
  std::wstring buf(n, L'\0');
  n = GetFullPathNameW(w.c_str(), n, buf.data(), nullptr);
  buf.resize(n);
  return u16(buf);
}

std::u16string fs_short_path(std::u16string_view path, FsError& err) {
  std::u16string s = short_form(path);
  if (s.empty()) fail(err);
  return s;
}

std::u16string fs_long_path(std::u16string_view path, FsError& err) {
  std::wstring w = sys_path(path, limit::LongPathQuery);
  DWORD n = GetLongPathNameW(w.c_str(), nullptr, 0);
  if (!n) {
    fail(err);
    return {};
  }
  std::wstring buf(n, L'\0');
  n = GetLongPathNameW(w.c_str(), buf.data(), n);
  buf.resize(n);
  return unprefixed(u16(buf));
}

std::u16string fs_system_folder(int32_t csidl, FsError& err) {
  wchar_t buf[MAX_PATH + 1] = {};
  if (!SHGetSpecialFolderPathW(nullptr, buf, csidl, FALSE)) {
    fail(err);
    return {};
  }
  return u16(buf);
}

// ---- replacing a file ----

std::pair<unsigned, unsigned> fs_name_salt(int attempt) {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return {static_cast<unsigned>(GetCurrentThreadId() + attempt), static_cast<unsigned>(t.LowPart)};
}

bool fs_replaceable(std::u16string_view path) {
  std::wstring p = sys_path(path, limit::File);
  DWORD a = GetFileAttributesW(p.c_str());
  if (a == INVALID_FILE_ATTRIBUTES || (a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) return false;
  HANDLE h = CreateFileW(p.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info;
  bool ok = GetFileInformationByHandle(h, &info) && info.nNumberOfLinks == 1;
  CloseHandle(h);
  return ok;
}

bool fs_replace(std::u16string_view path, std::u16string_view replacement, FsError& err) {
  const bool long_form = path.size() >= limit::File || replacement.size() >= limit::File;
  std::wstring a = sys_path(path, long_form ? 0 : limit::File);
  std::wstring b = sys_path(replacement, long_form ? 0 : limit::File);
  // A target another handle holds open without sharing deletion cannot be
  // swapped; find that out before the swap starts (it may leave pieces).
  HANDLE probe = CreateFileW(a.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  if (probe == INVALID_HANDLE_VALUE) return fail(err);
  CloseHandle(probe);
  if (!ReplaceFileW(a.c_str(), b.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
    return fail(err);
  return true;
}

// ---- error channels ----

std::u16string crt_error_text(int n) {
  const wchar_t* t = _wcserror(n);
  return t ? u16(t) : std::u16string();
}

std::u16string system_error_text(uint32_t n) {
  wchar_t* buf = nullptr;
  DWORD len = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, n, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
  std::u16string out;
  if (len && buf) out.assign(buf, buf + len);
  if (buf) LocalFree(buf);
  return out;
}

uint32_t system_last_error(uint32_t) { return GetLastError(); }
void set_system_last_error(const FsError& err) { SetLastError(err.sys); }

bool ansi_lead_byte(uint8_t b) { return IsDBCSLeadByte(b) != 0; }

}  // namespace quorin::files
