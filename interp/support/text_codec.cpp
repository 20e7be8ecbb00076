#include "support/text_codec.h"

#include <cstring>

#include "support/text_codec_platform.h"

namespace quorin {

namespace {

bool is_blank(char16_t c) { return c == u' ' || c == u'\t'; }

char16_t ascii_lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool equals_folded(std::u16string_view a, std::u16string_view lower) {
  if (a.size() != lower.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (ascii_lower(a[i]) != lower[i]) return false;
  return true;
}

// Code pages whose bytes 0x00-0x7F are ASCII, so pure-ASCII text converts
// unit for unit.
bool ascii_compatible(int codepage) {
  switch (codepage) {
    case codepage::Ansi:
    case codepage::Utf8:
    case codepage::Gbk:
    case codepage::Gb18030:
    case codepage::Big5:
      return true;
    default:
      return false;
  }
}

bool all_ascii(std::string_view bytes) {
  // Eight bytes at a time: any set top bit ends the fast path.
  size_t i = 0;
  const size_t n = bytes.size();
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, bytes.data() + i, 8);
    if (w & 0x8080808080808080ULL) return false;
  }
  for (; i < n; ++i)
    if (static_cast<unsigned char>(bytes[i]) >= 0x80) return false;
  return true;
}

}  // namespace

std::optional<int> codepage_of_charset(std::u16string_view name) {
  while (!name.empty() && is_blank(name.front())) name.remove_prefix(1);
  while (!name.empty() && is_blank(name.back())) name.remove_suffix(1);
  if (name.empty()) return codepage::Ansi;
  if (equals_folded(name, u"utf-8")) return codepage::Utf8;
  if (equals_folded(name, u"gbk") || equals_folded(name, u"gb2312")) return codepage::Gbk;
  if (equals_folded(name, u"gb18030")) return codepage::Gb18030;
  if (equals_folded(name, u"big5")) return codepage::Big5;
  if (equals_folded(name, u"ucs-2")) return codepage::Utf16le;
  return std::nullopt;
}

std::u16string decode_bytes(std::string_view bytes, int codepage) {
  if (bytes.empty()) return {};
  if (codepage == codepage::Utf16le) {
    // Low byte first; an odd last byte has no partner and is dropped.
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
      out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return out;
  }
  if (ascii_compatible(codepage) && all_ascii(bytes)) return std::u16string(bytes.begin(), bytes.end());
  return codec_detail::platform_decode(bytes, codepage);
}

std::string encode_text(std::u16string_view text, int codepage) {
  if (text.empty()) return {};
  if (codepage == codepage::Utf16le) {
    std::string out(text.size() * 2, '\0');
    for (size_t i = 0; i < text.size(); ++i) {
      out[2 * i] = static_cast<char>(text[i] & 0xFF);
      out[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return out;
  }
  if (ascii_compatible(codepage)) {
    bool ascii = true;
    for (char16_t c : text)
      if (c >= 0x80) {
        ascii = false;
        break;
      }
    if (ascii) return std::string(text.begin(), text.end());
  }
  return codec_detail::platform_encode(text, codepage);
}

}  // namespace quorin
