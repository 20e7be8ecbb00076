#include "builtins/strings/charset.h"

#include "support/text_codec.h"

namespace quorin {

Charset resolve_charset(const Runtime& rt, std::u16string_view name) {
  if (name.empty()) name = rt.default_charset;
  std::optional<int> cp = codepage_of_charset(name);
  if (!cp) return {};
  if (*cp == codepage::Utf16le) return {Charset::Ucs2, *cp};
  return {Charset::CodePage, *cp};
}

std::string encode_in(const Charset& cs, std::u16string_view text) {
  switch (cs.kind) {
    case Charset::CodePage:
      return encode_text(text, cs.codepage);
    case Charset::Ucs2: {
      std::string out(text.size() * 2, '\0');
      for (size_t i = 0; i < text.size(); ++i) {
        out[2 * i] = static_cast<char>(text[i] & 0xFF);
        out[2 * i + 1] = static_cast<char>(text[i] >> 8);
      }
      return out;
    }
    default:
      return {};
  }
}

std::u16string decode_in(const Charset& cs, std::string_view bytes) {
  switch (cs.kind) {
    case Charset::CodePage:
      return decode_bytes(bytes, cs.codepage);
    case Charset::Ucs2: {
      std::u16string out(bytes.size() / 2, u'\0');
      for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                       (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
      return out;
    }
    default:
      return {};
  }
}

}  // namespace quorin
