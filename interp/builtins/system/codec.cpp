#include "builtins/system/codec.h"

#include <openssl/evp.h>

#include "support/format.h"

namespace quorin::sys::codec {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kHex[] = "0123456789ABCDEF";

int base64_value(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c - u'A';
  if (c >= u'a' && c <= u'z') return c - u'a' + 26;
  if (c >= u'0' && c <= u'9') return c - u'0' + 52;
  if (c == u'+') return 62;
  if (c == u'/') return 63;
  return -1;
}

int hex_value(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

}  // namespace

std::string md5_hex(std::string_view bytes) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int n = 0;
  if (!EVP_Digest(bytes.data(), bytes.size(), digest, &n, EVP_md5(), nullptr)) return {};
  std::string out;
  out.reserve(2 * n);
  for (unsigned int i = 0; i < n; ++i) {
    out += kHex[digest[i] >> 4];
    out += kHex[digest[i] & 15];
  }
  return out;
}

std::string base64_encode(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  const auto at = [&](size_t k) { return static_cast<uint32_t>(static_cast<uint8_t>(bytes[k])); };
  for (; i + 3 <= bytes.size(); i += 3) {
    uint32_t v = at(i) << 16 | at(i + 1) << 8 | at(i + 2);
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
    out += kAlphabet[v & 63];
  }
  const size_t rest = bytes.size() - i;
  if (rest) {
    uint32_t v = at(i) << 16 | (rest == 2 ? at(i + 1) << 8 : 0);
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += rest == 2 ? kAlphabet[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

int32_t base64_size_estimate(std::string_view text) {
  int64_t n = static_cast<int64_t>(text.size() / 4) * 3;
  for (size_t i = text.size(); i > 0 && text[i - 1] == '='; --i) --n;
  return n < 0 ? 0 : static_cast<int32_t>(n);
}

std::optional<std::string> base64_decode(std::u16string_view text) {
  if (text.size() % 4) return std::nullopt;
  size_t pad = 0;
  while (pad < text.size() && pad < 3 && text[text.size() - 1 - pad] == u'=') ++pad;
  if (pad > 2) return std::nullopt;
  std::string out;
  out.reserve(text.size() / 4 * 3);
  for (size_t i = 0; i < text.size(); i += 4) {
    const bool last = i + 4 == text.size();
    const size_t data = last ? 4 - pad : 4;
    uint32_t v = 0;
    for (size_t k = 0; k < 4; ++k) {
      int d = 0;
      if (k < data) {
        d = base64_value(text[i + k]);
        if (d < 0) return std::nullopt;
      }
      v = v << 6 | static_cast<uint32_t>(d);
    }
    out += static_cast<char>(v >> 16);
    if (data > 2) out += static_cast<char>((v >> 8) & 0xFF);
    if (data > 3) out += static_cast<char>(v & 0xFF);
  }
  return out;
}

std::u16string guid_text(const GuidParts& g) {
  const uint8_t* d = g.data4;
  return format16(u"%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X", g.data1, g.data2, g.data3, d[0], d[1], d[2],
                  d[3], d[4], d[5], d[6], d[7]);
}

std::u16string color_hex(int32_t color) {
  const uint32_t c = static_cast<uint32_t>(color);
  return format16(u"#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int32_t color_hex_to_int(std::u16string_view text) {
  if (!text.empty() && text[0] == u'#') text.remove_prefix(1);
  if (text.size() != 6) return -1;
  int32_t rgb[3];
  for (int i = 0; i < 3; ++i) {
    int hi = hex_value(text[2 * i]), lo = hex_value(text[2 * i + 1]);
    if (hi < 0 || lo < 0) return -1;
    rgb[i] = hi * 16 + lo;
  }
  return rgb[0] | rgb[1] << 8 | rgb[2] << 16;
}

}  // namespace quorin::sys::codec
