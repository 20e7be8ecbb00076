// The file system as the file builtins see it: the calls that differ between
// Windows (fs_win32.cpp, wide Win32 calls with the long-path prefix) and the
// native build (fs_posix.cpp).  Paths are script texts; every failure carries
// the C runtime's error number (Windows numbering on both targets, so scripts
// read the same numbers) and the system's own error code.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorin::files {

// C runtime error numbers (`errno`) as the Windows runtime numbers them.
namespace crt {
inline constexpr int NoEnt = 2, Io = 5, BadF = 9, NoMem = 12, Acces = 13, Exist = 17, XDev = 18, NotDir = 20,
                     IsDir = 21, Inval = 22, MFile = 24, FBig = 27, NoSpc = 28, RoFs = 30, NameTooLong = 38,
                     NotEmpty = 41, Ilseq = 42;
}

// What a failed call left behind.
struct FsError {
  int crt = 0;        // errno
  uint32_t sys = 0;   // GetLastError() on Windows, errno natively
};

// ---- open files ----
struct OsOpen {
  bool read = false;
  bool write = false;
  enum Disposition { Existing, CreateAlways, OpenAlways, CreateNew } disposition = Existing;
};

class OsFile {
 public:
  // Opens `path` (the long-path rule for file opens applies); null on failure.
  static OsFile* open(std::u16string_view path, const OsOpen& how, FsError& err);
  ~OsFile();
  OsFile(const OsFile&) = delete;
  OsFile& operator=(const OsFile&) = delete;

  // Bytes read (0 at the end), or -1.
  int64_t read(void* buf, size_t n);
  // True when all n bytes were written.
  bool write(const void* buf, size_t n);
  // whence: 0 start, 1 current, 2 end.  New position or -1.
  int64_t seek(int64_t offset, int whence);
  int64_t size();
  bool truncate(int64_t length);  // at `length`, position unchanged
  bool sync();
  const FsError& error() const { return err_; }

 private:
  OsFile() = default;
  intptr_t h_ = -1;
  FsError err_;
};

// ---- single operations (each sets `err` on failure) ----
bool fs_is_folder(std::u16string_view path, FsError& err);
bool fs_copy(std::u16string_view from, std::u16string_view to, bool fail_if_exists, FsError& err);
bool fs_rename(std::u16string_view from, std::u16string_view to, bool folder, FsError& err);
bool fs_remove(std::u16string_view path, FsError& err);
bool fs_make_folder(std::u16string_view path, FsError& err);
bool fs_remove_folder(std::u16string_view path, FsError& err);

struct DirEntry {
  std::u16string name;
  bool folder = false;
  bool link = false;  // a symbolic link or junction (listed, not descended into)
};
// The entries of `folder` matching `pattern` ("." and ".." left out).  Fails
// when the search cannot start; a folder where nothing matches is a success
// with no entries.
bool fs_list(std::u16string_view folder, std::u16string_view pattern, std::vector<DirEntry>& out, FsError& err);
// The separator appended between a folder and a name in listings.
extern const char16_t kSeparator;

// ---- the process's folders and path forms ("" on failure) ----
bool fs_set_current_directory(std::u16string_view path, FsError& err);
std::u16string fs_current_directory();
std::u16string fs_program_folder();
std::u16string fs_full_path(std::u16string_view path, FsError& err);
std::u16string fs_short_path(std::u16string_view path, FsError& err);
std::u16string fs_long_path(std::u16string_view path, FsError& err);
std::u16string fs_system_folder(int32_t csidl, FsError& err);

// ---- whole-file writes without a half-written result ----
// A private sibling of `path` to write a replacement into; "" when none
// could be created.
std::u16string fs_temporary_sibling(std::u16string_view path, OsFile*& file, FsError& err);
// Two numbers for the name of the next temporary sibling to try (`attempt`
// counts the names already taken), so that tries rarely meet.
std::pair<unsigned, unsigned> fs_name_salt(int attempt);
// Puts the finished replacement in the place of `path`, keeping what the
// system keeps for a replaced file (attributes, security).  False when the
// target cannot be replaced (held open, linked …).
bool fs_replace(std::u16string_view path, std::u16string_view replacement, FsError& err);
// True when `path` may be replaced by a new file without losing anything a
// write in place keeps (an ordinary file with one name).
bool fs_replaceable(std::u16string_view path);

// ---- error channels ----
// The C runtime's text for errno n.
std::u16string crt_error_text(int n);
// The system's text for error code n ("" when there is none).
std::u16string system_error_text(uint32_t n);
// The system's last error as `get_last_error` reports it.  On Windows the
// thread's GetLastError(); natively the last code a file builtin recorded.
uint32_t system_last_error(uint32_t recorded);
// Keeps `err.sys` as the thread's last error on Windows (no-op natively).
void set_system_last_error(const FsError& err);

// ---- characters of the ANSI code page ----
bool ansi_lead_byte(uint8_t b);

}  // namespace quorin::files
