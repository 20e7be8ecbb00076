// Charset names as the builtins take them (strings, files, HTTP, Base64,
// MD5): "utf-8", "gbk", "gb2312", "gb18030", "big5", "" for the ANSI code
// page, and "ucs-2" for raw UTF-16LE, which is converted here rather than
// through a code page.  An omitted or empty name means the charset the main
// script was read in.  An unknown name encodes to no bytes and decodes to "",
// without an error.
#pragma once
#include <string>
#include <string_view>

#include "runtime/runtime.h"

namespace quorin {

struct Charset {
  enum Kind { Unknown, Ucs2, CodePage } kind = Unknown;
  int codepage = 0;
};

Charset resolve_charset(const Runtime& rt, std::u16string_view name);

std::string encode_in(const Charset& cs, std::u16string_view text);
std::u16string decode_in(const Charset& cs, std::string_view bytes);

}  // namespace quorin
