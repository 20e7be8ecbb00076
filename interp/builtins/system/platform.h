// What the portable system builtins ask of the operating system.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "builtins/system/codec.h"

namespace quorin::sys {

// A new GUID; nullopt when the system cannot make one.
std::optional<codec::GuidParts> os_new_guid();

// Reads a whole file in one read (long-path rule at 260 characters):
// 1 with the bytes, 0 when the file does not exist, −1 when it cannot be
// opened for reading, −2 when the read fails.
int os_read_file(std::u16string_view path, std::string& bytes);

}  // namespace quorin::sys
