// TEMPORARY: a stand-in for the text codec (support/text_codec.h) so that the
// charset tests link before the real codec is merged.  Delete this file when
// the codec lands; the duplicate definitions will say so at link time.
#include <iconv.h>

#include <cerrno>
#include <string>

#include "support/text_codec.h"

namespace quorin {

namespace {

const char* iconv_name(int cp) {
  switch (cp) {
    case codepage::Ansi:
    case codepage::Gbk:
      return "GBK";
    case codepage::Utf8:
      return "UTF-8";
    case codepage::Gb18030:
      return "GB18030";
    case codepage::Big5:
      return "BIG5";
    case codepage::Utf16le:
      return "UTF-16LE";
    default:
      return nullptr;
  }
}

std::string convert(const char* to, const char* from, std::string_view in, std::string_view bad) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  std::string out;
  char buf[256];
  char* src = const_cast<char*>(in.data());
  size_t left = in.size();
  while (left > 0) {
    char* dst = buf;
    size_t room = sizeof buf;
    size_t r = iconv(cd, &src, &left, &dst, &room);
    out.append(buf, static_cast<size_t>(dst - buf));
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      out.append(bad);  // skip one input unit
      size_t step = std::string_view(from) == "UTF-16LE" ? 2 : 1;
      if (step > left) step = left;
      src += step;
      left -= step;
    }
  }
  iconv_close(cd);
  return out;
}

std::string utf16_bytes(std::u16string_view t) {
  std::string b;
  for (char16_t c : t) {
    b.push_back(static_cast<char>(c & 0xFF));
    b.push_back(static_cast<char>(c >> 8));
  }
  return b;
}

}  // namespace

std::optional<int> codepage_of_charset(std::u16string_view name) {
  std::string n;
  for (char16_t c : name) n.push_back(static_cast<char>(c >= u'A' && c <= u'Z' ? c + 32 : c));
  while (!n.empty() && n.back() == ' ') n.pop_back();
  while (!n.empty() && n.front() == ' ') n.erase(n.begin());
  if (n.empty()) return codepage::Ansi;
  if (n == "utf-8") return codepage::Utf8;
  if (n == "gbk" || n == "gb2312") return codepage::Gbk;
  if (n == "gb18030") return codepage::Gb18030;
  if (n == "big5") return codepage::Big5;
  if (n == "ucs-2") return codepage::Utf16le;
  return std::nullopt;
}

std::u16string decode_bytes(std::string_view bytes, int cp) {
  const char* name = iconv_name(cp);
  if (!name) return {};
  std::string raw = convert("UTF-16LE", name, bytes, std::string("\xFD\xFF", 2));
  std::u16string out(raw.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char16_t>(static_cast<uint8_t>(raw[2 * i]) | (static_cast<uint8_t>(raw[2 * i + 1]) << 8));
  return out;
}

std::string encode_text(std::u16string_view text, int cp) {
  const char* name = iconv_name(cp);
  if (!name) return {};
  return convert(name, "UTF-16LE", utf16_bytes(text), "?");
}

}  // namespace quorin
