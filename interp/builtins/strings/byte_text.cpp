// len_byte, string_to_byte_array, byte_array_to_string.
#include <algorithm>
#include <cstring>

#include "builtins/strings/charset.h"
#include "builtins/strings/string_builtins.h"

namespace quorin::strings {

namespace {

// How many of the first n elements really exist.
size_t usable(const ArrayObj* a, int32_t n) {
  if (!a || n <= 0) return 0;
  return std::min(static_cast<size_t>(n), a->count);
}

}  // namespace

int32_t len_byte_default(Runtime& rt, const Str& s) { return len_byte(rt, s, Str()); }

int32_t len_byte(Runtime& rt, const Str& s, const Str& charset) {
  Charset cs = resolve_charset(rt, charset.view());
  if (cs.kind == Charset::Ucs2) return static_cast<int32_t>(2 * s.size());
  return static_cast<int32_t>(encode_in(cs, s.view()).size());
}

Str byte_array_to_string_default(Runtime& rt, ArrayArg<tc::ArrayBase + tc::Byte> bytes, int32_t n) {
  return byte_array_to_string(rt, bytes, n, Str());
}

// The count is limited to the array; a zero byte decodes to U+0000, which
// ends the script text there.
Str byte_array_to_string(Runtime& rt, ArrayArg<tc::ArrayBase + tc::Byte> bytes, int32_t n, const Str& charset) {
  const size_t k = usable(bytes.array, n);
  if (k == 0) return Str();
  std::u16string text =
      decode_in(resolve_charset(rt, charset.view()), std::string_view(static_cast<const char*>(bytes.array->data), k));
  size_t end = text.find(u'\0');
  if (end != std::u16string::npos) text.resize(end);
  return Str(text);
}

int32_t string_to_byte_array_default(Runtime& rt, const Str& s, ArrayArg<tc::ArrayBase + tc::Byte> bytes,
                                     int32_t n) {
  return string_to_byte_array(rt, s, bytes, n, Str());
}

// Copies at most n bytes, and never more than the array holds.
int32_t string_to_byte_array(Runtime& rt, const Str& s, ArrayArg<tc::ArrayBase + tc::Byte> bytes, int32_t n,
                             const Str& charset) {
  const size_t room = usable(bytes.array, n);
  if (room == 0) return 0;
  std::string encoded = encode_in(resolve_charset(rt, charset.view()), s.view());
  const size_t k = std::min(room, encoded.size());
  if (k) std::memcpy(bytes.array->data, encoded.data(), k);
  return static_cast<int32_t>(k);
}

}  // namespace quorin::strings
