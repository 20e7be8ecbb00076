// Paths handed to the system (Windows).
#pragma once
#include <string>
#include <string_view>

namespace quorin::sys {

// The long-path rule: a path of `limit` characters or more gets the "\\?\"
// prefix.  That prefix turns off the system's own path parsing, so the path
// is made full (and its separators backslashes) first; a UNC path becomes
// "\\?\UNC\server\share…".
std::wstring system_path(std::u16string_view path, size_t limit);

}  // namespace quorin::sys
