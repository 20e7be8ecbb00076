// Whole-file reading and writing in a charset, in pieces: the bytes are never
// all in memory next to the text, and a replaced file is written beside the
// original first so that a failed write leaves the original as it was.
#pragma once
#include <string>
#include <string_view>

#include "builtins/files/fs.h"
#include "builtins/strings/charset.h"
#include "runtime/str.h"

namespace quorin::files {

// The length of the longest start of `bytes` that ends between two
// characters of `cs` (a multibyte character cut by the end of a piece is
// left for the next piece).
size_t whole_characters(std::string_view bytes, const Charset& cs);

// Reads and decodes the whole file.  On success `text` holds the contents;
// on failure it holds the message the script sees.  `piece` is the read size
// (tests use small pieces).
enum class ReadStatus { Ok, OpenFailed, ReadFailed };
ReadStatus read_whole_file(std::u16string_view path, const Charset& cs, Str& text, FsError& err,
                           size_t piece = 1 << 20);

// Writes `text` encoded in `cs`.  append: add at the end (text_mode turns
// LF into CR LF); otherwise create or replace the file.  True when every
// byte was written.  An empty text creates or empties the file and gives
// false (nothing was written).
bool write_whole_file(std::u16string_view path, std::u16string_view text, const Charset& cs, bool append,
                      bool text_mode, FsError& err);

}  // namespace quorin::files
