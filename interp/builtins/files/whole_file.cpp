#include "builtins/files/whole_file.h"

#include <algorithm>
#include <memory>
#include <new>

#include "support/text_codec.h"

namespace quorin::files {

namespace {

bool gbk_like(int cp) { return cp == codepage::Gbk || cp == codepage::Big5; }

// A text that grows by appended pieces into one StrRep, so that the result
// needs no final copy.
class TextBuilder {
 public:
  explicit TextBuilder(size_t expected) {
    cap_ = static_cast<uint32_t>(std::min<size_t>(std::max<size_t>(expected, 16), 0xFFFFFFF0u));
    rep_ = str_alloc(cap_);
  }
  ~TextBuilder() { str_release(rep_); }
  void append(std::u16string_view piece) {
    if (piece.empty()) return;
    if (len_ + piece.size() > cap_) {
      size_t want = std::max<size_t>(len_ + piece.size(), static_cast<size_t>(cap_) * 3 / 2);
      if (want > 0xFFFFFFF0u) throw std::bad_alloc();
      rep_ = str_resize(rep_, static_cast<uint32_t>(want));
      cap_ = static_cast<uint32_t>(want);
    }
    std::copy(piece.begin(), piece.end(), rep_->data + len_);
    len_ += piece.size();
  }
  Str finish() {
    StrRep* r = str_resize(std::exchange(rep_, nullptr), static_cast<uint32_t>(len_));
    return Str::adopt(r);
  }

 private:
  StrRep* rep_;
  uint32_t cap_;
  size_t len_ = 0;
};

// Opens for writing without truncating; null with `err` set on failure.
std::unique_ptr<OsFile> open_for_write(std::u16string_view path, OsOpen::Disposition d, FsError& err) {
  OsOpen how;
  how.write = true;
  how.disposition = d;
  return std::unique_ptr<OsFile>(OsFile::open(path, how, err));
}

// Encodes and writes the text in pieces.
bool write_text_to(OsFile& f, std::u16string_view text, const Charset& cs, bool crlf, FsError& err) {
  constexpr size_t kPiece = 1 << 18;
  while (!text.empty()) {
    size_t n = std::min(kPiece, text.size());
    if (n < text.size() && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;  // keep a pair whole
    std::string bytes;
    if (crlf && cs.kind == Charset::Ucs2) {
      // Line ends of UTF-16 text become CR LF units; turning the byte 0x0A
      // into two bytes would shift every later unit (and break characters
      // such as U+4E0A whose low byte is 0x0A).
      std::u16string units;
      units.reserve(n + n / 16 + 2);
      for (char16_t c : text.substr(0, n)) {
        if (c == u'\n') units.push_back(u'\r');
        units.push_back(c);
      }
      bytes = encode_in(cs, units);
    } else {
      bytes = encode_in(cs, text.substr(0, n));
    }
    if (crlf && cs.kind != Charset::Ucs2) {
      std::string t;
      t.reserve(bytes.size() + bytes.size() / 16 + 2);
      for (char c : bytes) {
        if (c == '\n') t.push_back('\r');
        t.push_back(c);
      }
      bytes.swap(t);
    }
    if (!bytes.empty() && !f.write(bytes.data(), bytes.size())) {
      err = f.error();
      return false;
    }
    text.remove_prefix(n);
  }
  return true;
}

// True when the text gives no bytes at all: it is empty, or its charset is
// unknown or missing from the system (any character of a working charset
// gives at least one byte).
bool encodes_to_nothing(std::u16string_view text, const Charset& cs) {
  return text.empty() || encode_in(cs, text.substr(0, std::min<size_t>(text.size(), 64))).empty();
}

}  // namespace

size_t whole_characters(std::string_view bytes, const Charset& cs) {
  const size_t n = bytes.size();
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  if (cs.kind == Charset::Ucs2) return n & ~size_t{1};
  if (cs.kind != Charset::CodePage) return n;
  const int cp = cs.codepage;
  // Best cut: after the last byte that no decoder joins to what follows
  // (ASCII in UTF-8; below "0" in the double-byte code pages, where no
  // trail byte is that small).  Then decoders that handle broken input
  // differently still give the same text in pieces as in one go.
  const unsigned safe = cp == codepage::Utf8 ? 0x80 : 0x30;
  for (size_t i = n; i > 0; --i)
    if (p[i - 1] < safe) return i;
  if (cp == codepage::Utf8) {
    // Back over continuation bytes to the last lead; keep its sequence only
    // when it is complete.
    size_t i = n, back = 0;
    while (i > 0 && back < 4 && (p[i - 1] & 0xC0) == 0x80) {
      --i;
      ++back;
    }
    if (i == 0) return n;
    unsigned lead = p[i - 1];
    size_t need = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    if (lead < 0xC2) need = 1;
    return back + 1 >= need ? n : i - 1;
  }
  // Double-byte code pages: walk from the start, where a character begins.
  size_t i = 0;
  while (i < n) {
    size_t len = 1;
    const unsigned b = p[i];
    if (cp == codepage::Gb18030) {
      if (b >= 0x81 && b <= 0xFE) len = i + 1 < n && p[i + 1] >= 0x30 && p[i + 1] <= 0x39 ? 4 : 2;
    } else if (gbk_like(cp)) {
      if (b >= 0x81 && b <= 0xFE) len = 2;
    } else if (cp == codepage::Ansi) {
      if (b >= 0x80 && ansi_lead_byte(static_cast<uint8_t>(b))) len = 2;
    }
    if (i + len > n) return i;
    i += len;
  }
  return n;
}

ReadStatus read_whole_file(std::u16string_view path, const Charset& cs, Str& text, FsError& err, size_t piece) {
  OsOpen how;
  how.read = true;
  std::unique_ptr<OsFile> f(OsFile::open(path, how, err));
  if (!f) return ReadStatus::OpenFailed;
  const int64_t size = f->size();
  if (size < 0) {
    err = f->error();
    return ReadStatus::ReadFailed;
  }
  if (size == 0) {
    text = Str();
    return ReadStatus::Ok;
  }
  try {
    // A decoded text never has more units than the file has bytes.
    const size_t expected = cs.kind == Charset::Ucs2 ? static_cast<size_t>(size / 2) : static_cast<size_t>(size);
    if (static_cast<uint64_t>(size) > 0x7FFFFFFFu) throw std::bad_alloc();
    TextBuilder out(expected);
    std::string buf;
    buf.reserve(piece + 8);
    int64_t left = size;
    while (left > 0) {
      const size_t carried = buf.size();
      const size_t want = static_cast<size_t>(std::min<int64_t>(left, static_cast<int64_t>(piece)));
      buf.resize(carried + want);
      int64_t got = f->read(buf.data() + carried, want);
      if (got <= 0) {
        err = got < 0 ? f->error() : FsError{crt::Io, 38};
        return ReadStatus::ReadFailed;
      }
      buf.resize(carried + static_cast<size_t>(got));
      left -= got;
      const size_t whole = left > 0 ? whole_characters(buf, cs) : buf.size();
      out.append(decode_in(cs, std::string_view(buf.data(), whole)));
      buf.erase(0, whole);
    }
    text = out.finish();
    return ReadStatus::Ok;
  } catch (const std::bad_alloc&) {
    err = FsError{crt::NoMem, 8};
    return ReadStatus::ReadFailed;
  }
}

bool write_whole_file(std::u16string_view path, std::u16string_view text, const Charset& cs, bool append,
                      bool text_mode, FsError& err) {
  if (append) {
    std::unique_ptr<OsFile> f = open_for_write(path, OsOpen::OpenAlways, err);
    if (!f) return false;
    const int64_t before = f->seek(0, 2);
    if (before < 0) {
      err = f->error();
      return false;
    }
    if (encodes_to_nothing(text, cs)) return false;
    if (!write_text_to(*f, text, cs, text_mode, err)) {
      f->truncate(before);  // the file keeps what it had
      return false;
    }
    return true;
  }
  if (encodes_to_nothing(text, cs)) {
    // Nothing to write: the file is created or emptied and the write reports
    // nothing written.
    std::unique_ptr<OsFile> f = open_for_write(path, OsOpen::CreateAlways, err);
    return false;
  }
  // The file as "wb" would open it: refused files stay refused.
  std::unique_ptr<OsFile> target = open_for_write(path, OsOpen::Existing, err);
  if (!target) {
    if (err.crt != crt::NoEnt) return false;
    // A new file: one that could not be written completely is removed.
    std::unique_ptr<OsFile> f = open_for_write(path, OsOpen::CreateNew, err);
    if (!f) return false;
    if (write_text_to(*f, text, cs, false, err)) return true;
    f.reset();
    FsError ignored;
    fs_remove(path, ignored);
    return false;
  }
  const int64_t old_size = target->size();
  if (old_size > 0 && fs_replaceable(path)) {
    // Write the replacement beside the original and swap them once it is
    // complete: a failed write leaves the original untouched.
    OsFile* raw = nullptr;
    FsError temp_err;
    std::u16string temp = fs_temporary_sibling(path, raw, temp_err);
    if (!temp.empty()) {
      std::unique_ptr<OsFile> t(raw);
      const bool written = write_text_to(*t, text, cs, false, err);
      t.reset();
      FsError ignored;
      if (!written) {
        fs_remove(temp, ignored);
        return false;
      }
      target.reset();
      if (fs_replace(path, temp, ignored)) return true;
      fs_remove(temp, ignored);
      // Not replaceable after all (held open, …): write in place.
      target = open_for_write(path, OsOpen::Existing, err);
      if (!target) return false;
    }
  }
  if (!target->truncate(0)) {
    err = target->error();
    return false;
  }
  return write_text_to(*target, text, cs, false, err);
}

}  // namespace quorin::files
