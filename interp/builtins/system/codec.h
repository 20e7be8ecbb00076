// Byte-level services of the system family, free of any run context: MD5,
// Base64, GUID text and colour text.  The builtins wrap these.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorin::sys::codec {

// MD5 digest of the bytes as 32 upper-case hexadecimal digits.
std::string md5_hex(std::string_view bytes);

// Standard alphabet, "=" padding, no line breaks.
std::string base64_encode(std::string_view bytes);
// (length / 4) × 3 minus the trailing "=" characters, never below 0.
int32_t base64_size_estimate(std::string_view text);
// The decoded bytes, or nullopt when the text is not well-formed Base64: its
// length must be a multiple of 4, its characters A–Z a–z 0–9 + /, and "="
// may only pad the last group (one or two of them).
std::optional<std::string> base64_decode(std::u16string_view text);

struct GuidParts {
  uint32_t data1 = 0;
  uint16_t data2 = 0, data3 = 0;
  uint8_t data4[8] = {};
};
// "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", upper case, no braces.
std::u16string guid_text(const GuidParts& g);

// "#RRGGBB" of a colour int 0x00BBGGRR.
std::u16string color_hex(int32_t color);
// Six hexadecimal digits (red, green, blue), optionally after "#"; −1 for
// anything else.
int32_t color_hex_to_int(std::u16string_view text);

}  // namespace quorin::sys::codec
