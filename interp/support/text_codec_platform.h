// The platform half of the text codec: conversions that need the system's
// tables.  text_codec.cpp handles the trivial cases (empty input, pure ASCII,
// raw UTF-16LE) before calling these.
#pragma once
#include <string>
#include <string_view>

namespace quorin::codec_detail {

std::u16string platform_decode(std::string_view bytes, int codepage);
std::string platform_encode(std::u16string_view text, int codepage);

}  // namespace quorin::codec_detail
