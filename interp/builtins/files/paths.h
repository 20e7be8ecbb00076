// Path rules that are pure text, shared by both targets.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorin::files {

// Limits of the long-path rule: a path at least this long gets the prefixed
// form (Windows) for the operation.
namespace limit {
inline constexpr size_t File = 260;          // open, exists, length, copy, rename, delete, whole-file I/O
inline constexpr size_t FolderCreate = 248;  // folder creation and its steps (> 247)
inline constexpr size_t Folder = 247;        // folder exists, rename, delete (> 246)
inline constexpr size_t CurrentDir = 260;    // set_current_directory: short form instead
inline constexpr size_t Dialog = 248;        // the dialogs' initial folders: short form instead
inline constexpr size_t LongPathQuery = 248; // get_long_path / get_short_path (> 247)
}  // namespace limit

inline bool is_separator(char16_t c) { return c == u'\\' || c == u'/'; }

// "X:" followed by a separator or nothing.
bool has_drive(std::u16string_view p);
// A path that names its place without the current directory: "X:\…",
// "\\server\…", or (natively) "/…".
bool is_absolute(std::u16string_view p);

// The prefixed form "\\?\X:\…" or "\\?\UNC\server\…" of an absolute path,
// with "/" turned into "\" (the prefix turns off every other rewriting);
// other paths come back unchanged.
std::u16string prefixed(std::u16string_view absolute_path);

// Folder creation, step 3: trailing spaces, then at most one trailing
// separator, removed.
std::u16string_view trim_folder_path(std::u16string_view p);
// A bare drive ("C:", "C:\" after trimming, or two characters or fewer
// holding ":").
bool is_bare_drive(std::u16string_view p);
// Folder creation, step 4: the cumulative prefixes of every level, or an
// empty list when there are more than 64 parts.  A first part with ":"
// becomes "X:\"; a path beginning with a separator keeps it.
std::vector<std::u16string> folder_levels(std::u16string_view p, char16_t sep);

// Listings: trailing separators removed, except that a drive root keeps its
// own ("C:\"), and the root "/" stays.
std::u16string listing_folder(std::u16string_view p);
// folder + separator + name, without doubling a separator the folder ends with.
std::u16string join_path(std::u16string_view folder, std::u16string_view name, char16_t sep);

// The folder part of a script path: everything before the last separator
// ("C:\" for a file in a drive root; "/" for one in the root).
std::u16string folder_of(std::u16string_view path);

// `path` at or below `folder` (letters compared without regard to ASCII
// case); `rest` gets what follows the folder ("" for the folder itself).
bool path_below(std::u16string_view path, std::u16string_view folder, std::u16string& rest);

// Wildcards as the system's folder search reads them: "*" any run, "?" one
// character, letters compared without regard to ASCII case; "*.*" matches
// every name and a pattern ending in ".*" also matches a name without a dot.
bool wildcard_match(std::u16string_view name, std::u16string_view pattern);

// Case-insensitive (ASCII) ordering of names, for listings in a stable order.
bool name_less(std::u16string_view a, std::u16string_view b);

// Dialog filters: "|" becomes NUL and the list ends with two NULs.
std::u16string dialog_filter(std::u16string_view filter);
// The paths chosen in a multi-select dialog: a buffer of NUL-separated texts
// (a single full path, or the folder followed by the names) ending in an
// empty text.
std::vector<std::u16string> split_multi_select(std::u16string_view buffer);

}  // namespace quorin::files
