// MD5, Base64, GUIDs and colour text: portable builtins.
#include <algorithm>
#include <cstring>

#include "builtins/strings/charset.h"
#include "builtins/system/codec.h"
#include "builtins/system/platform.h"
#include "builtins/system/system_builtins.h"
#include "runtime/storage.h"
#include "support/format.h"
#include "support/text_codec.h"

namespace quorin::sys {

namespace {

Str ascii_str(std::string_view s) { return Str(ascii16(s)); }

void set_string(StrRef r, std::u16string_view text) {
  Payload p;
  p.bits = 0;
  p.str = str_new(text);
  store<tc::String>(r.addr, p);
}

// How many of the first n bytes of the array exist.
size_t usable(const ArrayObj* a, int32_t n) {
  if (!a || n <= 0) return 0;
  return std::min(static_cast<size_t>(n), a->count);
}

}  // namespace

Str md5_default(Runtime& rt, const Str& text) { return md5(rt, text, Str()); }

Str md5(Runtime& rt, const Str& text, const Str& charset) {
  return ascii_str(codec::md5_hex(encode_in(resolve_charset(rt, charset.view()), text.view())));
}

Str base64_encode_default(Runtime& rt, const Str& text) { return base64_encode(rt, text, Str()); }

Str base64_encode(Runtime& rt, const Str& text, const Str& charset) {
  if (text.empty()) return Str();
  return ascii_str(codec::base64_encode(encode_in(resolve_charset(rt, charset.view()), text.view())));
}

Str base64_encode_data(ByteArray bytes, int32_t n) {
  const size_t k = usable(bytes.array, n);
  if (k == 0) return Str();
  return ascii_str(codec::base64_encode(std::string_view(static_cast<const char*>(bytes.array->data), k)));
}

int32_t base64_encode_file(Runtime&, const Str& path, StrRef text) {
  std::string bytes;
  int r = os_read_file(path.view(), bytes);
  if (r != 1) return r;
  set_string(text, bytes.empty() ? std::u16string() : ascii16(codec::base64_encode(bytes)));
  return 1;
}

int32_t base64_decoded_size(const Str& text) {
  return codec::base64_size_estimate(encode_text(text.view(), codepage::Ansi));
}

int32_t base64_decode_default(Runtime& rt, const Str& text, StrRef result) {
  return base64_decode(rt, text, result, Str());
}

// The decoded text ends at a zero byte, as texts made from byte arrays do.
int32_t base64_decode(Runtime& rt, const Str& text, StrRef result, const Str& charset) {
  std::optional<std::string> bytes = codec::base64_decode(text.view());
  if (!bytes) {
    set_string(result, u"");
    return 0;
  }
  std::u16string decoded = decode_in(resolve_charset(rt, charset.view()), *bytes);
  size_t end = decoded.find(u'\0');
  if (end != std::u16string::npos) decoded.resize(end);
  set_string(result, decoded);
  return 1;
}

// Writes only when the whole decoded text fits both n and the array.
int32_t base64_decode_to_byte_array(const Str& text, ByteArray bytes, int32_t n) {
  if (n < base64_decoded_size(text)) return 0;
  std::optional<std::string> decoded = codec::base64_decode(text.view());
  if (!decoded) return 0;
  if (decoded->size() > usable(bytes.array, n)) return 0;
  if (!decoded->empty()) std::memcpy(bytes.array->data, decoded->data(), decoded->size());
  return 1;
}

Str guid(Runtime&) {
  std::optional<codec::GuidParts> g = os_new_guid();
  return g ? Str(codec::guid_text(*g)) : Str();
}

Str color_hex(int32_t color) { return Str(codec::color_hex(color)); }

int32_t color_hex_to_int(const Str& text) { return codec::color_hex_to_int(text.view()); }

}  // namespace quorin::sys
