// The parts of the file-system layer both targets share.
#include "builtins/files/fs.h"
#include "builtins/files/paths.h"
#include "support/format.h"

namespace quorin::files {

std::u16string fs_temporary_sibling(std::u16string_view path, OsFile*& file, FsError& err) {
  std::u16string folder = folder_of(path);
  for (int attempt = 0; attempt < 8; ++attempt) {
    const auto [a, b] = fs_name_salt(attempt);
    std::u16string name = format16(u"~qr%x%x.tmp", a, b);
    std::u16string candidate = folder.empty() ? name : join_path(folder, name, kSeparator);
    OsOpen how;
    how.write = true;
    how.disposition = OsOpen::CreateNew;
    file = OsFile::open(candidate, how, err);
    if (file) return candidate;
    if (err.crt != crt::Exist) break;
  }
  return {};
}

}  // namespace quorin::files
