// Reading a script file into UTF-16 text: encoded .qe scripts, a forced
// charset, or automatic detection between UTF-8 and the ANSI code page.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "frontend/diagnostics.h"

namespace quorin {

struct LoadResult {
  bool ok = false;
  // The decoded text, cut at its first U+0000 (the compiler reads to there).
  std::u16string text;
  // The charset the text was read in: "utf-8", the forced name (trimmed,
  // lower case), or "" for the ANSI code page.  The caller keeps the main
  // script's charset as the default charset of the run.
  std::u16string charset;
  // The failure message when !ok.
  std::u16string error;
};

// Reads `path` without reporting anything.  `charset` is the -charset= value
// (nullopt when none was given); only "utf-8", "gbk", "gb2312", "gb18030"
// and "big5" force a code page, any other name means automatic detection.
// `quiet` (included files): an empty plain file gives an empty text.
LoadResult read_source(const std::u16string& path, std::optional<std::u16string_view> charset, bool quiet);

// read_source, and when not quiet a failure is reported at once through
// report_load_error in the form `mode` asks for.
LoadResult load_source(const std::u16string& path, std::optional<std::u16string_view> charset, CheckMode mode,
                       bool quiet, ReportOutput& out = system_report_output());

// Reports a failure to load `path`: a message box titled
// "Quorin - <name part>" in a normal run, one JSON line for -ic/-icr, the
// bare message for -c/-cr.
void report_load_error(const std::u16string& path, std::u16string_view message, CheckMode mode,
                       ReportOutput& out = system_report_output());

// The detection rule: every byte with the top bit set must lead 1..5
// continuation bytes (0x80-0xBF), counted by its 1-bits after the top bit.
bool looks_like_utf8(std::string_view bytes);

// What the compiler reads of a loaded text: a leading byte-order mark (what
// many editors write at the start of a UTF-8 file) is no part of the script.
// The loader keeps it, and its charset decision saw it as bytes.
std::u16string_view script_text(const std::u16string& loaded);

// Steps shared by plain and encoded files: decode `bytes` with the forced
// charset or by detection, filling text and charset of `result`.
void decode_source_bytes(std::string_view bytes, std::optional<std::u16string_view> charset, LoadResult& result);

}  // namespace quorin
