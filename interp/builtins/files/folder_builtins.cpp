// Tests and single operations on files and folders, folder listings, the
// process's folders, path forms and the system error channel.
#include <algorithm>
#include <functional>

#include "builtins/collections/objects.h"
#include "builtins/files/file_builtins.h"
#include "builtins/files/paths.h"
#include "support/format.h"

namespace quorin::file_builtins {

using files::FsError;

namespace {

// Deeper levels than this are not followed (a link may lead back up).
constexpr int kMaxDepth = 256;

bool can_open_for_reading(Runtime& rt, std::u16string_view path) {
  FsError err;
  files::OsOpen how;
  how.read = true;
  std::unique_ptr<files::OsFile> f(files::OsFile::open(path, how, err));
  if (!f) files::record(rt, err);
  return f != nullptr;
}

bool is_folder(Runtime& rt, std::u16string_view path) {
  FsError err;
  if (files::fs_is_folder(path, err)) return true;
  if (err.crt) files::record(rt, err);
  return false;
}

int32_t result(Runtime& rt, bool ok, const FsError& err) {
  if (!ok) files::record(rt, err);
  return ok ? 1 : 0;
}

// The entries of one folder in name order.
bool list_sorted(std::u16string_view folder, std::u16string_view pattern, std::vector<files::DirEntry>& out,
                 FsError& err) {
  out.clear();
  if (!files::fs_list(folder, pattern, out, err)) return false;
  std::sort(out.begin(), out.end(),
            [](const files::DirEntry& a, const files::DirEntry& b) { return files::name_less(a.name, b.name); });
  return true;
}

// Subfolders of `folder` (not those whose name begins with "."), each
// followed by its own when recursive.  False when `folder` cannot be searched.
bool collect_subfolders(std::u16string_view folder, bool recursive, int depth, std::vector<std::u16string>& out,
                        FsError& err) {
  std::vector<files::DirEntry> entries;
  if (!list_sorted(folder, u"*.*", entries, err)) return false;
  for (const files::DirEntry& e : entries) {
    if (!e.folder || e.name.empty() || e.name[0] == u'.') continue;
    out.push_back(files::join_path(folder, e.name, files::kSeparator));
    // A link may lead back up the tree: it is listed but not followed.
    if (recursive && !e.link && depth < kMaxDepth) {
      FsError ignored;
      std::u16string sub = out.back();
      collect_subfolders(sub, true, depth + 1, out, ignored);
    }
  }
  return true;
}

bool append_files(std::u16string_view folder, std::u16string_view pattern, std::vector<std::u16string>& out,
                  FsError& err) {
  std::vector<files::DirEntry> entries;
  if (!list_sorted(folder, pattern, entries, err)) return false;
  for (const files::DirEntry& e : entries)
    if (!e.folder) out.push_back(files::join_path(folder, e.name, files::kSeparator));
  return true;
}

bool string_list(ListArg list) {
  Object* o = list.obj();
  return o && o->type == tc::ArrayList && static_cast<ArrayListObj*>(o)->ops.type == tc::String;
}

#ifndef _WIN32
[[noreturn]] void windows_only(Runtime& rt, const char16_t* name) {
  rt.fail(format16(u"%s() 只能在 Windows 上使用", name));
}
#endif

}  // namespace

bool append_texts(ListArg list, const std::vector<std::u16string>& texts) {
  if (!string_list(list)) return false;
  auto* a = static_cast<ArrayListObj*>(list.obj());
  for (const std::u16string& t : texts) a->push_back(Box(a->ops, make_str(str_new(t))));
  return true;
}

// ---- files ----

int32_t file_exist(Runtime& rt, const Str& path) { return can_open_for_reading(rt, path.view()) ? 1 : 0; }

int64_t file_len(Runtime& rt, const Str& path) {
  FsError err;
  files::OsOpen how;
  how.read = true;
  std::unique_ptr<files::OsFile> f(files::OsFile::open(path.view(), how, err));
  if (!f) {
    files::record(rt, err);
    return -1;
  }
  int64_t n = f->size();
  if (n < 0) files::record(rt, f->error());
  return n < 0 ? -1 : n;
}

int32_t file_copy(Runtime& rt, const Str& from, const Str& to, int32_t fail_if_exists) {
  FsError err;
  return result(rt, files::fs_copy(from.view(), to.view(), fail_if_exists != 0, err), err);
}

int32_t file_rename(Runtime& rt, const Str& from, const Str& to) {
  if (!can_open_for_reading(rt, from.view())) return 0;
  FsError err;
  return result(rt, files::fs_rename(from.view(), to.view(), false, err), err);
}

int32_t file_delete(Runtime& rt, const Str& path) {
  if (!can_open_for_reading(rt, path.view())) return 0;
  FsError err;
  return result(rt, files::fs_remove(path.view(), err), err);
}

// ---- folders ----

int32_t folder_create(Runtime& rt, const Str& path) {
  FsError err;
  if (files::fs_make_folder(path.view(), err)) return 1;
  files::record(rt, err);
  if (is_folder(rt, path.view())) return 0;
  std::u16string_view rest = files::trim_folder_path(path.view());
  if (rest.empty() || files::is_bare_drive(rest) || is_folder(rt, rest)) return 0;
  std::vector<std::u16string> levels = files::folder_levels(rest, files::kSeparator);
  if (levels.empty()) return 0;
  bool created = false;
  for (const std::u16string& level : levels) {
    FsError probe;
    if (files::fs_is_folder(level, probe)) continue;
    if (!files::fs_make_folder(level, err)) {
      files::record(rt, err);
      return 0;
    }
    created = true;
  }
  return created ? 1 : 0;
}

int32_t folder_exist(Runtime& rt, const Str& path) { return is_folder(rt, path.view()) ? 1 : 0; }

int32_t folder_rename(Runtime& rt, const Str& from, const Str& to) {
  if (!is_folder(rt, from.view())) return 0;
  FsError err;
  return result(rt, files::fs_rename(from.view(), to.view(), true, err), err);
}

int32_t folder_delete(Runtime& rt, const Str& path) {
  if (!is_folder(rt, path.view())) return 0;
  FsError err;
  return result(rt, files::fs_remove_folder(path.view(), err), err);
}

// ---- listings ----

int32_t folder_get_subfolder_list(Runtime& rt, const Str& path, ListArg list) {
  return folder_get_subfolder_list_rec(rt, path, list, 0);
}

int32_t folder_get_subfolder_list_rec(Runtime& rt, const Str& path, ListArg list, int32_t recursive) {
  if (!string_list(list)) return 0;
  const std::u16string folder = files::listing_folder(path.view());
  FsError err{files::crt::NoEnt, 3};
  std::vector<std::u16string> found;
  if (!files::is_absolute(folder) || !collect_subfolders(folder, recursive != 0, 0, found, err)) {
    files::record(rt, err);
    return 0;
  }
  append_texts(list, found);
  return 1;
}

int32_t folder_get_file_list(Runtime& rt, const Str& path, ListArg list) {
  return folder_get_file_list_rec(rt, path, list, Str(), 0);
}

int32_t folder_get_file_list_pattern(Runtime& rt, const Str& path, ListArg list, const Str& pattern) {
  return folder_get_file_list_rec(rt, path, list, pattern, 0);
}

int32_t folder_get_file_list_rec(Runtime& rt, const Str& path, ListArg list, const Str& pattern,
                                 int32_t recursive) {
  if (!string_list(list)) return 0;
  const std::u16string folder = files::listing_folder(path.view());
  const std::u16string_view pat = pattern.empty() ? std::u16string_view(u"*.*") : pattern.view();
  FsError err{files::crt::NoEnt, 3};
  std::vector<std::u16string> found;
  if (!files::is_absolute(folder) || !append_files(folder, pat, found, err)) {
    files::record(rt, err);
    return 0;
  }
  int32_t ok = 1;
  if (recursive) {
    std::vector<std::u16string> subs;
    subs.reserve(4096);
    FsError ignored;
    collect_subfolders(folder, true, 0, subs, ignored);
    for (const std::u16string& sub : subs) {
      if (!append_files(sub, pat, found, err)) {
        files::record(rt, err);
        ok = 0;
        break;
      }
    }
  }
  append_texts(list, found);
  return ok;
}

// ---- the process's folders and path forms ----

int32_t set_current_directory(Runtime& rt, const Str& path) {
  FsError err;
  return result(rt, files::fs_set_current_directory(path.view(), err), err);
}

Str get_current_directory() { return Str(files::fs_current_directory()); }

Str get_quorin_folder_path() { return Str(files::fs_program_folder()); }

Str get_script_folder_path(Runtime& rt) { return Str(files::folder_of(rt.main_path)); }

Str get_system_folder_path(Runtime& rt, int32_t csidl) {
#ifndef _WIN32
  windows_only(rt, u"get_system_folder_path");
#endif
  FsError err;
  std::u16string p = files::fs_system_folder(csidl, err);
  if (p.empty()) files::record(rt, err);
  return Str(p);
}

Str get_short_path(Runtime& rt, const Str& path) {
#ifndef _WIN32
  windows_only(rt, u"get_short_path");
#endif
  FsError err;
  std::u16string p = files::fs_short_path(path.view(), err);
  if (p.empty()) files::record(rt, err);
  return Str(p);
}

Str get_long_path(Runtime& rt, const Str& path) {
#ifndef _WIN32
  // No short forms exist here: an existing path is its own long form.
  FsError err;
  if (files::fs_is_folder(path.view(), err) || can_open_for_reading(rt, path.view())) return path;
  if (err.crt) files::record(rt, err);
  return Str();
#else
  FsError err;
  std::u16string p = files::fs_long_path(path.view(), err);
  if (p.empty()) files::record(rt, err);
  return Str(p);
#endif
}

Str get_full_path(Runtime& rt, const Str& path) {
  FsError err;
  std::u16string p = files::fs_full_path(path.view(), err);
  if (p.empty()) files::record(rt, err);
  return Str(p);
}

int32_t get_last_error(Runtime& rt) {
  return static_cast<int32_t>(files::system_last_error(files::state(rt).sys_error));
}

Str get_last_error_message(Runtime& rt) {
  return Str(files::system_error_text(files::system_last_error(files::state(rt).sys_error)));
}

Str get_error_message(int32_t n) { return Str(files::system_error_text(static_cast<uint32_t>(n))); }

}  // namespace quorin::file_builtins
