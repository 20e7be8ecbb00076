// A script's file stream: the C runtime's stream behaviour on top of an
// OsFile, the same on both targets.
//  - Modes: "r", "w", "a", each with "+", "b" or "t" in any order, and an
//    optional ", ccs=UTF-8|UTF-16LE|UNICODE"; anything else is refused.
//  - Text mode turns CR LF into LF when reading (a Ctrl+Z ends the input) and
//    LF into CR LF when writing.  Wide characters in text mode are the ANSI
//    code page's multibyte characters (UTF-8 or UTF-16LE with "ccs=");
//    in binary mode a wide character is two bytes, low byte first.
//  - Reads are buffered; writes go straight to the file, so nothing written
//    waits in memory when the process ends.
//  - Append mode writes at the end whatever the position.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "builtins/files/fs.h"

namespace quorin::files {

struct StreamMode {
  OsOpen open;
  bool append = false;
  bool text = true;
  enum Encoding { Ansi, Utf8, Utf16 } encoding = Ansi;
  bool ccs = false;  // ", ccs=": a byte-order mark is skipped and written
};
// Parses a mode string; false for an invalid one.
bool parse_mode(std::u16string_view mode, StreamMode& out);

class Stream {
 public:
  // Null on failure, with the error in `err`.
  static std::unique_ptr<Stream> open(std::u16string_view path, std::u16string_view mode, FsError& err);
  ~Stream();

  bool close();  // false when the file could not be closed cleanly
  bool eof() const { return eof_; }
  bool error() const { return error_; }
  void clear_error() { eof_ = error_ = false; }
  void rewind();
  bool flush();

  // One wide character, or -1 at the end or on error.
  int32_t read_char();
  // Writes one character; false on error.
  bool write_char(char16_t c);
  // Appends one line (up to and without its LF) to `line`.  Returns false
  // when the end came before any character.
  bool read_line(std::u16string& line);
  bool write_text(std::u16string_view text);
  // Bytes (text mode: translated) — counts transferred.
  size_t read_data(uint8_t* out, size_t n);
  size_t write_data(const uint8_t* in, size_t n);

  // The last error of a failing operation (errno numbering).
  const FsError& last_error() const { return err_; }

 private:
  Stream(OsFile* f, const StreamMode& m) : file_(f), mode_(m) {}
  // Raw bytes.
  int next_byte();  // -1 at the end or on error
  int peek_byte();
  bool fill();
  bool prepare_write();
  bool put_bytes(const char* p, size_t n);
  bool put_translated(std::string_view bytes);  // LF → CR LF in text mode
  // One byte of the (translated) input; -1 at the end.
  int next_text_byte();
  void fail(int crt);
  void check_bom();
  int32_t read_unit16();
  std::string encode_units(std::u16string_view text);

  std::unique_ptr<OsFile> file_;
  StreamMode mode_;
  bool eof_ = false, error_ = false;
  bool bom_checked_ = false, bom_written_ = false;
  int32_t pending_unit_ = -1;   // second half of a character already decoded
  char16_t pending_high_ = 0;   // first half of a pair written alone
  std::unique_ptr<char[]> buf_;
  size_t pos_ = 0, end_ = 0;
  FsError err_;
  static constexpr size_t kBuffer = 1 << 16;
};

}  // namespace quorin::files
