// File access for the source loader: reading a whole file as bytes, and the
// path operations of include resolution.  Paths are UTF-16; Windows opens
// them with the wide-character functions, the native build converts them to
// UTF-8.
#pragma once
#include <string>
#include <string_view>

namespace quorin {

enum class ReadStatus {
  Ok,
  Missing,     // nothing exists at the path
  OpenFailed,  // exists but cannot be opened as a regular file (a folder, a device, no access)
  ReadFailed,  // fewer bytes read than the file holds
  TooLarge,    // larger than a text the interpreter can hold
};

// Reads the whole file into `out` (cleared first).
ReadStatus read_file_bytes(const std::u16string& path, std::string& out);

// Something (file or folder) exists at the path.
bool path_exists(const std::u16string& path);

// Absolute form of `path` with "." and ".." removed (no links are followed).
std::u16string full_path(const std::u16string& path);

// `name` as written in an include statement, resolved against `folder` (the
// including file's folder) when it is relative; the result is a full path.
std::u16string resolve_in_folder(const std::u16string& folder, const std::u16string& name);

// The part after the last separator, and the part before it.
std::u16string_view name_part(std::u16string_view path);
std::u16string_view folder_part(std::u16string_view path);

// Whether `path` ends in `lower_ext` (".q", ".qe"), compared without regard
// to ASCII case.
bool has_extension(std::u16string_view path, std::u16string_view lower_ext);

// Whether two full paths name the same file, without regard to case.
bool same_path(std::u16string_view a, std::u16string_view b);

}  // namespace quorin
