// Encoded scripts (.qe): an RC4-enciphered body under a two-level key.
//
//   offset 0      1 byte   format byte (carried, not interpreted)
//   offset 1      1 byte   n, length of the inner key (1..255)
//   offset 2      n bytes  inner key, enciphered under the program key
//   offset 2 + n  rest     script body, enciphered under the reversed inner key
//
// Shared by the loader and the `qenc` encoder.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorin {

enum class QeStatus { Ok, Missing, Empty, Malformed, ReadFailed, OpenFailed, Other };

// The loader's message for a failure ("文件不存在", …); empty for Ok.
std::u16string_view qe_status_message(QeStatus s);

// The published RC4 stream cipher; `apply` XORs the key stream onto data.
class Rc4 {
 public:
  Rc4(const uint8_t* key, size_t len);  // len > 0
  void apply(uint8_t* data, size_t n);
  void apply(std::string& data) { apply(reinterpret_cast<uint8_t*>(data.data()), data.size()); }

 private:
  uint8_t s_[256];
  uint8_t i_ = 0, j_ = 0;
};

inline constexpr size_t kProgramKeySize = 16;
// The fixed key that enciphers inner keys, assembled when asked for.
std::array<uint8_t, kProgramKeySize> qe_program_key();

// The body key derived from the deciphered inner key: the key reversed as a
// NUL-terminated byte string (bytes after a zero stay in place), length n.
std::string qe_body_key(std::string_view inner_key);

// Deciphers the bytes of a whole .qe file into the plain script bytes.
QeStatus decode_qe(std::string_view file, std::string& plain);
// Reads and deciphers a .qe file.
QeStatus read_qe_file(const std::u16string& path, std::string& plain);

// Builds a .qe file from plain script bytes; `inner_key` holds 1..255 bytes.
std::string encode_qe(std::string_view plain, std::string_view inner_key, uint8_t format = 1);

}  // namespace quorin
