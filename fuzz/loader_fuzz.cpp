// Fuzzes the loading stage.  The first byte picks what the rest feeds:
//   0  source bytes: UTF-8 detection and decoding, forced charsets
//   1  an encoded (.qe) file
//   2  code-page conversions and their round trips
//   3  a main script for include expansion, against a fixed set of files
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "frontend/encoded_script.h"
#include "frontend/include_expander.h"
#include "frontend/source_files.h"
#include "frontend/source_loader.h"
#include "support/format.h"
#include "support/text_codec.h"

using namespace quorin;

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

bool has_lone_surrogate(std::u16string_view s) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] >= 0xD800 && s[i] <= 0xDBFF) {
      if (i + 1 >= s.size() || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF) return true;
      ++i;
    } else if (s[i] >= 0xDC00 && s[i] <= 0xDFFF) {
      return true;
    }
  }
  return false;
}

void fuzz_source(std::string_view bytes) {
  static const std::u16string_view charsets[] = {u"gbk", u"gb18030", u"big5", u"utf-8", u"latin1"};
  LoadResult r;
  decode_source_bytes(bytes, std::nullopt, r);
  check(r.ok && r.text.find(u'\0') == std::u16string::npos);
  check(r.charset == (looks_like_utf8(bytes) ? u"utf-8" : u""));
  check(!has_lone_surrogate(r.text));
  for (auto cs : charsets) {
    LoadResult f;
    decode_source_bytes(bytes, cs, f);
    check(f.ok);
  }
}

void fuzz_qe(std::string_view bytes) {
  std::string plain;
  if (decode_qe(bytes, plain) == QeStatus::Ok) {
    check(plain.size() + 2 + static_cast<unsigned char>(bytes[1]) == bytes.size());
    LoadResult r;
    decode_source_bytes(plain, std::nullopt, r);
  }
  // Whatever the input, encoding it and decoding again gives it back.
  if (!bytes.empty()) {
    size_t key_len = 1 + static_cast<unsigned char>(bytes[0]) % 32;
    if (key_len > bytes.size()) key_len = bytes.size();
    std::string key(bytes.substr(0, key_len));
    std::string again;
    check(decode_qe(encode_qe(bytes, key), again) == QeStatus::Ok && again == bytes);
  }
}

void fuzz_codec(std::string_view bytes) {
  for (int cp : {codepage::Utf8, codepage::Gbk, codepage::Gb18030, codepage::Big5, codepage::Utf16le}) {
    std::u16string text = decode_bytes(bytes, cp);
    std::string back = encode_text(text, cp);
    if (cp == codepage::Utf8 || cp == codepage::Gb18030) {
      // Every decoded text is valid UTF-16 and these two map all of it.
      check(!has_lone_surrogate(text));
      check(decode_bytes(back, cp) == text);
    }
  }
  // Arbitrary UTF-16 units (lone surrogates included) never break encoding;
  // without lone surrogates every unit comes back as one unit (itself, a
  // look-alike or the default character).
  std::u16string units = decode_bytes(bytes, codepage::Utf16le);
  const bool lone = has_lone_surrogate(units);
  for (int cp : {codepage::Utf8, codepage::Gbk, codepage::Gb18030, codepage::Big5}) {
    std::string enc = encode_text(units, cp);
    if (!lone) check(decode_bytes(enc, cp).size() == units.size());
  }
}

// A folder with a few includable files, written once per process: the one
// named by QUORIN_FUZZ_DIR (scripts/fuzz.sh puts it in the build folder), or
// a fixed folder in the temporary directory.  It is left in place, since
// libFuzzer ends the process without running exit handlers.
const std::filesystem::path& include_folder() {
  static const std::filesystem::path dir = [] {
    const char* env = std::getenv("QUORIN_FUZZ_DIR");
    std::filesystem::path d = env && *env ? std::filesystem::path(env)
                                          : std::filesystem::temp_directory_path() / "quorin-fuzz-files";
    std::filesystem::create_directories(d / "lib");
    auto put = [&](const char* rel, std::string_view body) {
      std::ofstream(d / rel, std::ios::binary).write(body.data(), static_cast<std::streamsize>(body.size()));
    };
    put("a.q", "x = 1\r\n");
    put("b.q", "include \"a.q\"\ny = 2\n");
    put("self.q", "include \"self.q\"\n");
    put("empty.q", "");
    put("lib/c.q", "include \"d.q\"\n");
    put("lib/d.q", "z = \"\xD6\xD0\"\n");
    put("enc.qe", encode_qe("include \"a.q\"\n", "key"));
    return d;
  }();
  return dir;
}

void fuzz_includes(std::string_view bytes) {
  const std::u16string main = (include_folder() / "main.q").u16string();
  const std::u16string text = from_utf8(bytes);
  IncludeSet set;
  set.add(full_path(main));
  CompileErrors errors;
  auto out = expand_includes(main, text, set, errors);
  check(out.has_value() == (errors.count() == 0));
  check(out.has_value() != errors.stopped());
  if (!out) check(errors.count() == 1 && errors.list()[0].line >= 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 4) {
    case 0:
      fuzz_source(bytes);
      break;
    case 1:
      fuzz_qe(bytes);
      break;
    case 2:
      fuzz_codec(bytes);
      break;
    default:
      fuzz_includes(bytes);
      break;
  }
  return 0;
}
