// Whole-file builtins and the stream builtins.  A stream handle is checked
// against this run's table before it is used: a closed, never-opened or
// made-up handle gets the failure result (errno EBADF) and touches nothing.
#include <algorithm>

#include "builtins/files/file_builtins.h"
#include "builtins/files/whole_file.h"
#include "builtins/strings/charset.h"
#include "runtime/storage.h"
#include "support/format.h"

namespace quorin {

namespace files {

FileState& state(Runtime& rt) { return rt.resources.get<FileState>(); }

void record(Runtime& rt, const FsError& err) {
  FileState& s = state(rt);
  s.crt_errno = err.crt;
  s.sys_error = err.sys;
  set_system_last_error(err);
}

}  // namespace files

namespace file_builtins {

using files::FsError;
using files::Stream;

namespace {

constexpr FsError kBadHandle{files::crt::BadF, 6};

Stream* stream_of(Runtime& rt, IntRef f) {
  const int32_t h = *static_cast<const int32_t*>(f.addr);
  files::FileState& s = files::state(rt);
  auto it = s.streams.find(h);
  if (it == s.streams.end()) {
    files::record(rt, kBadHandle);
    return nullptr;
  }
  return it->second.get();
}

// Records the stream's error after a failing operation.
void note(Runtime& rt, const Stream& s) {
  if (s.error()) files::record(rt, s.last_error());
}

bool is_blank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

bool equals_folded(std::u16string_view a, std::u16string_view lower) {
  if (a.size() != lower.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char16_t c = a[i] >= u'A' && a[i] <= u'Z' ? static_cast<char16_t>(a[i] + 32) : a[i];
    if (c != lower[i]) return false;
  }
  return true;
}

size_t usable(const ArrayObj* a, int32_t n) {
  if (!a || n <= 0) return 0;
  return std::min(static_cast<size_t>(n), a->count);
}

}  // namespace

void store_text(StrRef ref, std::u16string_view text) { store<tc::String>(ref.addr, make_str(str_new(text))); }

// ---- whole files ----

int32_t file_read_default(Runtime& rt, const Str& path, StrRef text) { return file_read(rt, path, text, Str()); }

int32_t file_read(Runtime& rt, const Str& path, StrRef text, const Str& charset) {
  Str out;
  FsError err;
  switch (files::read_whole_file(path.view(), resolve_charset(rt, charset.view()), out, err)) {
    case files::ReadStatus::Ok:
      store<tc::String>(text.addr, make_str(out.release()));
      return 1;
    case files::ReadStatus::OpenFailed:
      files::record(rt, err);
      store_text(text, format16(u"文件 '%s' 打开失败，请检查文件是否存在。", path.view()));
      return 0;
    default:
      files::record(rt, err);
      store_text(text, format16(u"文件 '%s' 读取出错", path.view()));
      return 0;
  }
}

int32_t file_write_default(Runtime& rt, const Str& path, const Str& text, const Str& mode) {
  return file_write(rt, path, text, mode, Str());
}

int32_t file_write(Runtime& rt, const Str& path, const Str& text, const Str& mode, const Str& charset) {
  std::u16string_view m = mode.view();
  while (!m.empty() && is_blank(m.front())) m.remove_prefix(1);
  while (!m.empty() && is_blank(m.back())) m.remove_suffix(1);
  const bool text_append = equals_folded(m, u"a") || equals_folded(m, u"a+");
  const bool append = text_append || equals_folded(m, u"ab") || equals_folded(m, u"ab+");
  FsError err;
  if (files::write_whole_file(path.view(), text.view(), resolve_charset(rt, charset.view()), append, text_append,
                              err))
    return 1;
  if (err.crt) files::record(rt, err);
  return 0;
}

// ---- streams ----

int32_t file_open(Runtime& rt, const Str& path, const Str& mode) {
  FsError err;
  std::unique_ptr<Stream> s = Stream::open(path.view(), mode.view(), err);
  if (!s) {
    files::record(rt, err);
    return 0;
  }
  files::FileState& st = files::state(rt);
  int32_t h = st.next_handle++;
  if (st.next_handle <= 0) st.next_handle = 0x100;  // after 2^31 opens
  st.streams.emplace(h, std::move(s));
  return h;
}

int32_t file_close(Runtime& rt, IntRef f) {
  Stream* s = stream_of(rt, f);
  if (!s) return 0;
  const bool ok = s->close();
  files::state(rt).streams.erase(*static_cast<const int32_t*>(f.addr));
  return ok ? 1 : 0;
}

int32_t file_eof(Runtime& rt, IntRef f) {
  Stream* s = stream_of(rt, f);
  return !s || s->eof() ? 1 : 0;  // a bad handle reads as ended: loops end
}

void file_rewind(Runtime& rt, IntRef f) {
  if (Stream* s = stream_of(rt, f)) s->rewind();
}

int32_t file_error(Runtime& rt, IntRef f) {
  Stream* s = stream_of(rt, f);
  return !s || s->error() ? 1 : 0;
}

void file_clear_error(Runtime& rt, IntRef f) {
  if (Stream* s = stream_of(rt, f)) s->clear_error();
}

int32_t file_flush(Runtime& rt, IntRef f) {
  Stream* s = stream_of(rt, f);
  return s && s->flush() ? 1 : 0;
}

int32_t file_get_last_error(Runtime& rt) { return files::state(rt).crt_errno; }

Str file_get_last_error_message(Runtime& rt) { return Str(files::crt_error_text(files::state(rt).crt_errno)); }

Str file_get_error_message(int32_t n) { return Str(files::crt_error_text(n)); }

int32_t file_read_char(Runtime& rt, IntRef f) {
  Stream* s = stream_of(rt, f);
  if (!s) return -1;
  int32_t c = s->read_char();
  if (c < 0) note(rt, *s);
  return c;
}

int32_t file_write_char(Runtime& rt, IntRef f, int32_t ch) {
  Stream* s = stream_of(rt, f);
  if (!s) return -1;
  const char16_t c = static_cast<char16_t>(ch);
  if (!s->write_char(c)) {
    note(rt, *s);
    return -1;
  }
  return c;
}

int32_t file_read_line(Runtime& rt, IntRef f, StrRef line) {
  Stream* s = stream_of(rt, f);
  if (!s) return -1;
  if (s->eof()) {
    store_text(line, u"");
    return 0;
  }
  std::u16string text;
  if (!s->read_line(text)) {
    note(rt, *s);
    return -1;
  }
  store_text(line, text);
  return static_cast<int32_t>(std::min<size_t>(text.size(), 0x7FFFFFFF));
}

int32_t file_write_text(Runtime& rt, IntRef f, const Str& text) {
  Stream* s = stream_of(rt, f);
  if (!s) return 0;
  if (!s->write_text(text.view())) {
    note(rt, *s);
    return 0;
  }
  return 1;
}

int32_t file_read_data(Runtime& rt, IntRef f, Bytes bytes, int32_t n) {
  Stream* s = stream_of(rt, f);
  if (!s) return 0;
  const size_t k = usable(bytes.array, n);
  if (k == 0) return 0;
  size_t got = s->read_data(static_cast<uint8_t*>(bytes.array->data), k);
  if (got < k) note(rt, *s);
  return static_cast<int32_t>(got);
}

int32_t file_write_data(Runtime& rt, IntRef f, Bytes bytes, int32_t n) {
  Stream* s = stream_of(rt, f);
  if (!s) return 0;
  const size_t k = usable(bytes.array, n);
  if (k == 0) return 0;
  size_t put = s->write_data(static_cast<const uint8_t*>(bytes.array->data), k);
  if (put < k) note(rt, *s);
  return static_cast<int32_t>(put);
}

}  // namespace file_builtins

}  // namespace quorin
