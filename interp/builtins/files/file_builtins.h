// The file and folder builtins as C++ functions (registered by table.cpp).
// Overloads of one script name have distinct C++ names here.
#pragma once
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "builtins/files/fs.h"
#include "builtins/files/stream.h"
#include "runtime/native.h"

namespace quorin {

namespace files {

// What the family keeps for one run: the streams it handed out (handles are
// never reused within a run, so a stale handle never reaches a newer
// stream) and the two error channels.
struct FileState : RunResource {
  std::unordered_map<int32_t, std::unique_ptr<Stream>> streams;
  int32_t next_handle = 0x100;
  int crt_errno = 0;       // file_get_last_error
  uint32_t sys_error = 0;  // get_last_error (native build)
  void release_all() override { streams.clear(); }
};

FileState& state(Runtime& rt);
// Records a failure in both channels.
void record(Runtime& rt, const FsError& err);

}  // namespace files

namespace file_builtins {

using IntRef = ByRef<tc::RefBase + tc::Int>;
using StrRef = ByRef<tc::RefBase + tc::String>;
using Bytes = ArrayArg<tc::ArrayBase + tc::Byte>;

// ---- whole files ----
int32_t file_read_default(Runtime& rt, const Str& path, StrRef text);
int32_t file_read(Runtime& rt, const Str& path, StrRef text, const Str& charset);
int32_t file_write_default(Runtime& rt, const Str& path, const Str& text, const Str& mode);
int32_t file_write(Runtime& rt, const Str& path, const Str& text, const Str& mode, const Str& charset);

// ---- streams ----
int32_t file_open(Runtime& rt, const Str& path, const Str& mode);
int32_t file_close(Runtime& rt, IntRef f);
int32_t file_eof(Runtime& rt, IntRef f);
void file_rewind(Runtime& rt, IntRef f);
int32_t file_error(Runtime& rt, IntRef f);
void file_clear_error(Runtime& rt, IntRef f);
int32_t file_flush(Runtime& rt, IntRef f);
int32_t file_get_last_error(Runtime& rt);
Str file_get_last_error_message(Runtime& rt);
Str file_get_error_message(int32_t n);
int32_t file_read_char(Runtime& rt, IntRef f);
int32_t file_write_char(Runtime& rt, IntRef f, int32_t ch);
int32_t file_read_line(Runtime& rt, IntRef f, StrRef line);
int32_t file_write_text(Runtime& rt, IntRef f, const Str& text);
int32_t file_read_data(Runtime& rt, IntRef f, Bytes bytes, int32_t n);
int32_t file_write_data(Runtime& rt, IntRef f, Bytes bytes, int32_t n);

// ---- files and folders ----
int32_t file_exist(Runtime& rt, const Str& path);
int64_t file_len(Runtime& rt, const Str& path);
int32_t file_copy(Runtime& rt, const Str& from, const Str& to, int32_t fail_if_exists);
int32_t file_rename(Runtime& rt, const Str& from, const Str& to);
int32_t file_delete(Runtime& rt, const Str& path);
int32_t folder_create(Runtime& rt, const Str& path);
int32_t folder_exist(Runtime& rt, const Str& path);
int32_t folder_rename(Runtime& rt, const Str& from, const Str& to);
int32_t folder_delete(Runtime& rt, const Str& path);
int32_t folder_get_subfolder_list(Runtime& rt, const Str& path, ListArg list);
int32_t folder_get_subfolder_list_rec(Runtime& rt, const Str& path, ListArg list, int32_t recursive);
int32_t folder_get_file_list(Runtime& rt, const Str& path, ListArg list);
int32_t folder_get_file_list_pattern(Runtime& rt, const Str& path, ListArg list, const Str& pattern);
int32_t folder_get_file_list_rec(Runtime& rt, const Str& path, ListArg list, const Str& pattern, int32_t recursive);

// ---- the process's folders and path forms ----
int32_t set_current_directory(Runtime& rt, const Str& path);
Str get_current_directory();
Str get_quorin_folder_path();
Str get_script_folder_path(Runtime& rt);
Str get_system_folder_path(Runtime& rt, int32_t csidl);
Str get_short_path(Runtime& rt, const Str& path);
Str get_long_path(Runtime& rt, const Str& path);
Str get_full_path(Runtime& rt, const Str& path);
int32_t get_last_error(Runtime& rt);
Str get_last_error_message(Runtime& rt);
Str get_error_message(int32_t n);

// ---- dialogs (dialogs_win32.cpp; natively a runtime error) ----
int32_t file_dialog_show_open(Runtime& rt, const Str& title, StrRef path);
int32_t file_dialog_show_open_in(Runtime& rt, const Str& title, StrRef path, const Str& folder);
int32_t file_dialog_show_open_filter(Runtime& rt, const Str& title, StrRef path, const Str& folder,
                                     const Str& filter);
int32_t file_dialog_show_open_multi(Runtime& rt, const Str& title, ListArg list);
int32_t file_dialog_show_open_multi_in(Runtime& rt, const Str& title, ListArg list, const Str& folder);
int32_t file_dialog_show_open_multi_filter(Runtime& rt, const Str& title, ListArg list, const Str& folder,
                                           const Str& filter);
int32_t file_dialog_show_save(Runtime& rt, const Str& title, StrRef path);
int32_t file_dialog_show_save_in(Runtime& rt, const Str& title, StrRef path, const Str& folder);
int32_t file_dialog_show_save_filter(Runtime& rt, const Str& title, StrRef path, const Str& folder,
                                     const Str& filter);
int32_t file_dialog_show_save_ext(Runtime& rt, const Str& title, StrRef path, const Str& folder, const Str& filter,
                                  const Str& extension);
int32_t folder_dialog_show(Runtime& rt, const Str& title, StrRef path);
int32_t folder_dialog_show_new(Runtime& rt, const Str& title, StrRef path, int32_t allow_new_folder);

// Helpers shared with the dialogs.
void store_text(StrRef ref, std::u16string_view text);
// Appends texts to a script ArrayList of string; false (nothing added) when
// the list holds another element type.
bool append_texts(ListArg list, const std::vector<std::u16string>& texts);

}  // namespace file_builtins

}  // namespace quorin
