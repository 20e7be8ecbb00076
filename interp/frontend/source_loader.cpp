#include "frontend/source_loader.h"

#include "frontend/encoded_script.h"
#include "frontend/source_files.h"
#include "support/text_codec.h"

namespace quorin {

namespace {

// The code page a -charset= value forces, if it names one of the script
// charsets; "" and "ucs-2" are not script charsets and mean detection.
std::optional<int> forced_codepage(std::optional<std::u16string_view> charset) {
  if (!charset) return std::nullopt;
  auto cp = codepage_of_charset(*charset);
  if (!cp || *cp == codepage::Ansi || *cp == codepage::Utf16le) return std::nullopt;
  return cp;
}

std::u16string normalized_name(std::u16string_view name) {
  while (!name.empty() && (name.front() == u' ' || name.front() == u'\t')) name.remove_prefix(1);
  while (!name.empty() && (name.back() == u' ' || name.back() == u'\t')) name.remove_suffix(1);
  std::u16string out(name);
  for (auto& c : out)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  return out;
}

LoadResult failure(std::u16string_view message) {
  LoadResult r;
  r.error = std::u16string(message);
  return r;
}

}  // namespace

bool looks_like_utf8(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t size = bytes.size();
  size_t i = 0;
  while (i < size) {
    unsigned b = p[i++];
    if (b < 0x80) continue;
    // Count the 1-bits that follow the top bit.
    int n = 0;
    for (unsigned mask = 0x40; mask && (b & mask); mask >>= 1) ++n;
    if (n < 1 || n > 5) return false;
    for (int k = 0; k < n; ++k, ++i)
      if (i >= size || (p[i] & 0xC0) != 0x80) return false;
  }
  return true;
}

void decode_source_bytes(std::string_view bytes, std::optional<std::u16string_view> charset, LoadResult& result) {
  if (auto cp = forced_codepage(charset)) {
    result.text = decode_bytes(bytes, *cp);
    result.charset = normalized_name(*charset);
  } else if (looks_like_utf8(bytes)) {
    result.text = decode_bytes(bytes, codepage::Utf8);
    result.charset = u"utf-8";
  } else {
    result.text = decode_bytes(bytes, codepage::Ansi);
    result.charset.clear();
  }
  size_t nul = result.text.find(u'\0');
  if (nul != std::u16string::npos) result.text.resize(nul);
  result.ok = true;
}

LoadResult read_source(const std::u16string& path, std::optional<std::u16string_view> charset, bool quiet) {
  std::string bytes;
  if (has_extension(path, u".qe")) {
    QeStatus s = read_qe_file(path, bytes);
    if (s != QeStatus::Ok) return failure(qe_status_message(s));
  } else {
    switch (read_file_bytes(path, bytes)) {
      case ReadStatus::Ok:
        break;
      case ReadStatus::Missing:
      case ReadStatus::OpenFailed:
        return failure(u"文件无法打开");
      case ReadStatus::ReadFailed:
      case ReadStatus::TooLarge:
        return failure(u"文件读取错误");
    }
    // Included files may be empty; a main script may not.
    if (bytes.empty() && !quiet) return failure(u"这是一个空白的文件");
  }
  LoadResult r;
  decode_source_bytes(bytes, charset, r);
  return r;
}

LoadResult load_source(const std::u16string& path, std::optional<std::u16string_view> charset, CheckMode mode,
                       bool quiet, ReportOutput& out) {
  LoadResult r = read_source(path, charset, quiet);
  if (!r.ok && !quiet) report_load_error(path, r.error, mode, out);
  return r;
}

std::u16string_view script_text(const std::u16string& loaded) {
  std::u16string_view text(loaded);
  if (!text.empty() && text.front() == u'\uFEFF') text.remove_prefix(1);
  return text;
}

}  // namespace quorin
