// Native conversions: UTF-8 by hand, the Chinese code pages through iconv.
// The ANSI code page is GBK (936) here.  Descriptors are opened once per
// thread and code page and reused.
#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>

#include "support/format.h"
#include "support/text_codec.h"
#include "support/text_codec_platform.h"

static_assert(std::endian::native == std::endian::little, "UTF-16LE is used as the in-memory form");

namespace quorin::codec_detail {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

const char* iconv_name(int codepage) {
  switch (codepage) {
    case codepage::Ansi:
    case codepage::Gbk:
      return "CP936";
    case codepage::Gb18030:
      return "GB18030";
    case codepage::Big5:
      return "CP950";
    default:
      return nullptr;
  }
}

// Per-thread descriptors, one pair (decode, encode) per supported code page.
class IconvCache {
 public:
  ~IconvCache() {
    for (auto& e : entries_) {
      if (e.to_utf16 != kNone) iconv_close(e.to_utf16);
      if (e.from_utf16 != kNone) iconv_close(e.from_utf16);
    }
  }
  // nullopt-like: returns kNone when the code page is unsupported.
  iconv_t get(int codepage, bool decoding) {
    const char* name = iconv_name(codepage);
    if (!name) return kNone;
    Entry* e = nullptr;
    for (auto& x : entries_)
      if (x.name == name) e = &x;
    if (!e) {
      for (auto& x : entries_)
        if (!x.name) {
          x.name = name;
          e = &x;
          break;
        }
    }
    if (!e) return kNone;
    iconv_t& cd = decoding ? e->to_utf16 : e->from_utf16;
    if (cd == kNone) cd = decoding ? iconv_open("UTF-16LE", name) : iconv_open(name, "UTF-16LE");
    if (cd != kNone) iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    return cd;
  }
  static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);

 private:
  struct Entry {
    const char* name = nullptr;
    iconv_t to_utf16 = kNone;
    iconv_t from_utf16 = kNone;
  };
  Entry entries_[3];  // CP936, GB18030, CP950
};

thread_local IconvCache t_cache;

std::u16string decode_iconv(iconv_t cd, std::string_view bytes) {
  // No supported code page yields more UTF-16 units than it takes bytes.
  std::u16string out(bytes.size() + 8, u'\0');
  char* in = const_cast<char*>(bytes.data());
  size_t in_left = bytes.size();
  size_t produced = 0;
  while (in_left > 0) {
    char* op = reinterpret_cast<char*>(out.data() + produced);
    size_t out_left = (out.size() - produced) * 2;
    size_t r = iconv(cd, &in, &in_left, &op, &out_left);
    int err = errno;
    produced = out.size() - out_left / 2;
    if (r != static_cast<size_t>(-1)) break;
    if (err == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    if (err == EILSEQ || err == EINVAL) {
      // A byte that starts no valid sequence (or a sequence cut off by the
      // end): one replacement character, then go on with the next byte.
      if (produced == out.size()) out.resize(out.size() * 2);
      out[produced++] = kReplacement;
      ++in;
      --in_left;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      continue;
    }
    break;  // anything else: keep what was converted
  }
  out.resize(produced);
  return out;
}

bool is_high(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

std::string encode_iconv(iconv_t cd, std::u16string_view text) {
  std::string out(text.size() * 2 + 16, '\0');
  char* in = reinterpret_cast<char*>(const_cast<char16_t*>(text.data()));
  size_t in_left = text.size() * 2;
  size_t produced = 0;
  while (in_left > 0) {
    char* op = out.data() + produced;
    size_t out_left = out.size() - produced;
    size_t r = iconv(cd, &in, &in_left, &op, &out_left);
    int err = errno;
    produced = out.size() - out_left;
    if (r != static_cast<size_t>(-1)) break;
    if (err == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    if (err == EILSEQ || err == EINVAL) {
      // Unmappable character or lone surrogate: the default character for
      // each UTF-16 unit it occupies, as the Windows conversion does.
      size_t units = 1;
      char16_t c;
      std::memcpy(&c, in, 2);
      if (is_high(c) && in_left >= 4) {
        char16_t d;
        std::memcpy(&d, in + 2, 2);
        if (d >= 0xDC00 && d <= 0xDFFF) units = 2;
      }
      if (out.size() - produced < units) out.resize(out.size() * 2 + units);
      for (size_t k = 0; k < units; ++k) out[produced++] = '?';
      in += units * 2;
      in_left -= units * 2;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      continue;
    }
    break;
  }
  out.resize(produced);
  return out;
}

}  // namespace

std::u16string platform_decode(std::string_view bytes, int codepage) {
  if (codepage == codepage::Utf8) return from_utf8(bytes);
  iconv_t cd = t_cache.get(codepage, true);
  if (cd == IconvCache::kNone) return {};
  return decode_iconv(cd, bytes);
}

std::string platform_encode(std::u16string_view text, int codepage) {
  if (codepage == codepage::Utf8) return to_utf8(text);  // lone surrogates → U+FFFD
  iconv_t cd = t_cache.get(codepage, false);
  if (cd == IconvCache::kNone) return {};
  return encode_iconv(cd, text);
}

}  // namespace quorin::codec_detail
