// Conversion between UTF-16 and the byte encodings scripts and files use.
// Windows converts with MultiByteToWideChar/WideCharToMultiByte; the native
// build uses iconv.  The ANSI code page is the system's on Windows and GBK
// (936) natively.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace quorin {

namespace codepage {
inline constexpr int Ansi = 0;
inline constexpr int Utf8 = 65001;
inline constexpr int Gbk = 936;  // also "gb2312"
inline constexpr int Gb18030 = 54936;
inline constexpr int Big5 = 950;
inline constexpr int Utf16le = 1200;  // "ucs-2"
}  // namespace codepage

// Code page of a charset name ("utf-8", "gbk", "gb2312", "gb18030", "big5",
// "" for ANSI, "ucs-2"); case-insensitive, surrounding blanks ignored.
// Returns nullopt for an unknown name.
std::optional<int> codepage_of_charset(std::u16string_view name);

// Bytes → UTF-16.  Invalid sequences become U+FFFD (or the platform's
// replacement), never an error.
std::u16string decode_bytes(std::string_view bytes, int codepage);
// UTF-16 → bytes.  Unmappable characters become the code page's default
// character ('?').
std::string encode_text(std::u16string_view text, int codepage);

}  // namespace quorin
