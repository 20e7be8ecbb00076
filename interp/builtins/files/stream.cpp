#include "builtins/files/stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "support/text_codec.h"

namespace quorin::files {

namespace {

char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool equals_folded(std::u16string_view a, std::u16string_view lower_b) {
  if (a.size() != lower_b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower_b[i]) return false;
  return true;
}

std::u16string_view trim_spaces(std::u16string_view s) {
  while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
  return s;
}

bool parse_ccs(std::u16string_view rest, StreamMode& m) {
  rest = trim_spaces(rest);
  if (rest.size() < 3 || !equals_folded(rest.substr(0, 3), u"ccs")) return false;
  rest = trim_spaces(rest.substr(3));
  if (rest.empty() || rest[0] != u'=') return false;
  rest = trim_spaces(rest.substr(1));
  if (equals_folded(rest, u"utf-8"))
    m.encoding = StreamMode::Utf8;
  else if (equals_folded(rest, u"utf-16le") || equals_folded(rest, u"unicode"))
    m.encoding = StreamMode::Utf16;
  else
    return false;
  m.text = true;
  m.ccs = true;
  return true;
}

// Bytes of a UTF-8 sequence from its lead byte (1 for an invalid lead).
int utf8_length(int b) {
  if (b >= 0xC2 && b <= 0xDF) return 2;
  if (b >= 0xE0 && b <= 0xEF) return 3;
  if (b >= 0xF0 && b <= 0xF4) return 4;
  return 1;
}

bool is_high_surrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

bool parse_mode(std::u16string_view mode, StreamMode& m) {
  m = StreamMode{};
  size_t i = 0;
  while (i < mode.size() && mode[i] == u' ') ++i;
  if (i >= mode.size()) return false;
  switch (mode[i]) {
    case u'r':
      m.open.read = true;
      m.open.disposition = OsOpen::Existing;
      break;
    case u'w':
      m.open.write = true;
      m.open.disposition = OsOpen::CreateAlways;
      break;
    case u'a':
      m.open.write = true;
      m.open.disposition = OsOpen::OpenAlways;
      m.append = true;
      break;
    default:
      return false;
  }
  bool plus = false, binary = false, text = false;
  for (++i; i < mode.size(); ++i) {
    const char16_t c = mode[i];
    switch (c) {
      case u'+':
        if (plus) return false;
        plus = true;
        m.open.read = m.open.write = true;
        break;
      case u'b':
        if (binary || text) return false;
        binary = true;
        m.text = false;
        break;
      case u't':
        if (binary || text) return false;
        text = true;
        break;
      case u'c': case u'n': case u'N': case u'S': case u'R': case u'T': case u'D': case u' ':
        break;  // the runtime's commit, caching and temporary hints
      case u',':
        return !binary && parse_ccs(mode.substr(i + 1), m);
      default:
        return false;
    }
  }
  return true;
}

std::unique_ptr<Stream> Stream::open(std::u16string_view path, std::u16string_view mode, FsError& err) {
  StreamMode m;
  if (!parse_mode(mode, m)) {
    err = FsError{crt::Inval, 87};
    return nullptr;
  }
  OsFile* f = OsFile::open(path, m.open, err);
  if (!f) return nullptr;
  return std::unique_ptr<Stream>(new Stream(f, m));
}

Stream::~Stream() = default;

bool Stream::close() {
  file_.reset();
  return true;
}

void Stream::fail(int crt) {
  error_ = true;
  err_ = FsError{crt, crt == crt::BadF ? 6u : 0u};
}

void Stream::rewind() {
  if (!file_) return;
  pos_ = end_ = 0;
  pending_unit_ = -1;
  pending_high_ = 0;
  bom_checked_ = false;  // the mark at the start is skipped again
  file_->seek(0, 0);
  eof_ = error_ = false;
}

bool Stream::flush() {
  if (!file_) return false;
  return !error_;
}

bool Stream::fill() {
  if (!mode_.open.read) {
    fail(crt::BadF);
    return false;
  }
  if (!buf_) buf_.reset(new char[kBuffer]);
  int64_t r = file_->read(buf_.get(), kBuffer);
  if (r < 0) {
    error_ = true;
    err_ = file_->error();
    pos_ = end_ = 0;
    return false;
  }
  pos_ = 0;
  end_ = static_cast<size_t>(r);
  if (r == 0) {
    eof_ = true;
    return false;
  }
  return true;
}

int Stream::next_byte() {
  if (pos_ == end_ && !fill()) return -1;
  return static_cast<unsigned char>(buf_[pos_++]);
}

int Stream::peek_byte() {
  if (pos_ == end_ && !fill()) return -1;
  return static_cast<unsigned char>(buf_[pos_]);
}

int Stream::next_text_byte() {
  int b = next_byte();
  if (b == '\r') {
    if (peek_byte() == '\n') return next_byte();
    return b;
  }
  if (b == 0x1A) {  // Ctrl+Z ends text input and stays where it is
    --pos_;
    eof_ = true;
    return -1;
  }
  return b;
}

void Stream::check_bom() {
  bom_checked_ = true;
  if (!mode_.ccs || file_->seek(0, 1) - static_cast<int64_t>(end_ - pos_) != 0) return;
  if (mode_.encoding == StreamMode::Utf8) {
    if (peek_byte() == 0xEF && pos_ + 3 <= end_ && static_cast<unsigned char>(buf_[pos_ + 1]) == 0xBB &&
        static_cast<unsigned char>(buf_[pos_ + 2]) == 0xBF)
      pos_ += 3;
  } else if (mode_.encoding == StreamMode::Utf16) {
    if (peek_byte() == 0xFF && pos_ + 2 <= end_ && static_cast<unsigned char>(buf_[pos_ + 1]) == 0xFE) pos_ += 2;
  }
}

int32_t Stream::read_unit16() {
  int b0 = next_byte();
  if (b0 < 0) return -1;
  int b1 = next_byte();
  if (b1 < 0) return -1;
  return b0 | (b1 << 8);
}

int32_t Stream::read_char() {
  if (!file_) return -1;
  if (!mode_.open.read) {
    fail(crt::BadF);
    return -1;
  }
  if (pending_unit_ >= 0) return static_cast<int32_t>(std::exchange(pending_unit_, -1));
  if (!mode_.text) return read_unit16();
  if (!bom_checked_) check_bom();
  switch (mode_.encoding) {
    case StreamMode::Utf16: {
      int32_t u = read_unit16();
      if (u == '\r') {
        int32_t v = read_unit16();
        if (v == '\n') return v;
        if (v >= 0) pending_unit_ = v;
      }
      return u;
    }
    case StreamMode::Utf8: {
      int b = next_text_byte();
      if (b < 0x80) return b;  // also -1
      char seq[4] = {static_cast<char>(b)};
      int n = utf8_length(b), k = 1;
      for (; k < n; ++k) {
        int c = peek_byte();
        if (c < 0x80 || c > 0xBF) break;  // a broken sequence ends here
        seq[k] = static_cast<char>(next_byte());
      }
      std::u16string u = decode_bytes(std::string_view(seq, static_cast<size_t>(k)), codepage::Utf8);
      if (u.empty()) return 0xFFFD;
      if (u.size() > 1) pending_unit_ = u[1];
      return u[0];
    }
    default: {
      int b = next_text_byte();
      if (b < 0x80) return b;
      char seq[2] = {static_cast<char>(b), 0};
      size_t n = 1;
      if (ansi_lead_byte(static_cast<uint8_t>(b))) {
        int c = next_text_byte();
        if (c < 0) return -1;
        seq[1] = static_cast<char>(c);
        n = 2;
      }
      std::u16string u = decode_bytes(std::string_view(seq, n), codepage::Ansi);
      return u.empty() ? 0xFFFD : u[0];
    }
  }
}

bool Stream::read_line(std::u16string& line) {
  bool any = false;
  for (;;) {
    int32_t c = read_char();
    if (c < 0) return any;
    any = true;
    if (c == '\n') return true;
    line.push_back(static_cast<char16_t>(c));
  }
}

bool Stream::prepare_write() {
  if (!file_) return false;
  if (!mode_.open.write) {
    fail(crt::BadF);
    return false;
  }
  if (pos_ < end_) file_->seek(-static_cast<int64_t>(end_ - pos_), 1);
  pos_ = end_ = 0;
  pending_unit_ = -1;
  if (mode_.append && file_->seek(0, 2) < 0) {
    error_ = true;
    err_ = file_->error();
    return false;
  }
  if (mode_.ccs && !bom_written_) {
    bom_written_ = true;
    if (file_->size() == 0 && file_->seek(0, 1) == 0) {
      if (mode_.encoding == StreamMode::Utf8) return put_bytes("\xEF\xBB\xBF", 3);
      if (mode_.encoding == StreamMode::Utf16) return put_bytes("\xFF\xFE", 2);
    }
  }
  return true;
}

bool Stream::put_bytes(const char* p, size_t n) {
  if (n == 0) return true;
  if (!file_->write(p, n)) {
    error_ = true;
    err_ = file_->error();
    return false;
  }
  return true;
}

bool Stream::put_translated(std::string_view bytes) {
  if (!mode_.text) return put_bytes(bytes.data(), bytes.size());
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 16 + 2);
  for (char c : bytes) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return put_bytes(out.data(), out.size());
}

std::string Stream::encode_units(std::u16string_view text) {
  std::string out;
  if (!mode_.text) {
    out.resize(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
      out[2 * i] = static_cast<char>(text[i] & 0xFF);
      out[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return out;
  }
  if (mode_.encoding == StreamMode::Utf16) {
    out.reserve(text.size() * 2 + 8);
    for (char16_t c : text) {
      if (c == u'\n') out.append("\r\0", 2);
      out.push_back(static_cast<char>(c & 0xFF));
      out.push_back(static_cast<char>(c >> 8));
    }
    return out;
  }
  std::string bytes = encode_text(text, mode_.encoding == StreamMode::Utf8 ? codepage::Utf8 : codepage::Ansi);
  out.reserve(bytes.size() + bytes.size() / 16 + 2);
  for (char c : bytes) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

bool Stream::write_char(char16_t c) {
  if (!prepare_write()) return false;
  if (mode_.text && mode_.encoding != StreamMode::Utf16) {
    // A surrogate pair written one half at a time is encoded as one character.
    if (is_high_surrogate(c)) {
      pending_high_ = c;
      return true;
    }
    if (pending_high_) {
      char16_t pair[2] = {std::exchange(pending_high_, char16_t(0)), c};
      std::string b = encode_units(std::u16string_view(pair, 2));
      return put_bytes(b.data(), b.size());
    }
  }
  std::string b = encode_units(std::u16string_view(&c, 1));
  return put_bytes(b.data(), b.size());
}

bool Stream::write_text(std::u16string_view text) {
  if (!prepare_write()) return false;
  // Pieces keep the memory use bounded for long texts; a piece never ends
  // between the halves of a surrogate pair.
  constexpr size_t kPiece = 1 << 16;
  while (!text.empty()) {
    size_t n = std::min(kPiece, text.size());
    if (n < text.size() && is_high_surrogate(text[n - 1])) --n;
    std::string b = encode_units(text.substr(0, n));
    if (!put_bytes(b.data(), b.size())) return false;
    text.remove_prefix(n);
  }
  return true;
}

size_t Stream::read_data(uint8_t* out, size_t n) {
  if (!file_) return 0;
  if (!mode_.open.read) {
    fail(crt::BadF);
    return 0;
  }
  pending_unit_ = -1;
  size_t got = 0;
  if (!mode_.text) {
    while (got < n) {
      if (pos_ < end_) {
        size_t k = std::min(n - got, end_ - pos_);
        std::memcpy(out + got, buf_.get() + pos_, k);
        pos_ += k;
        got += k;
      } else if (n - got >= kBuffer) {
        int64_t r = file_->read(out + got, n - got);
        if (r < 0) {
          error_ = true;
          err_ = file_->error();
          break;
        }
        if (r == 0) {
          eof_ = true;
          break;
        }
        got += static_cast<size_t>(r);
      } else if (!fill()) {
        break;
      }
    }
    return got;
  }
  while (got < n) {
    int b = next_text_byte();
    if (b < 0) break;
    out[got++] = static_cast<uint8_t>(b);
  }
  return got;
}

size_t Stream::write_data(const uint8_t* in, size_t n) {
  if (n == 0 || !prepare_write()) return 0;
  const auto* p = reinterpret_cast<const char*>(in);
  if (!mode_.text) return put_bytes(p, n) ? n : 0;
  return put_translated(std::string_view(p, n)) ? n : 0;
}

}  // namespace quorin::files
