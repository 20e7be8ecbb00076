#include "frontend/encoded_script.h"

#include <algorithm>
#include <cstring>

#include "frontend/source_files.h"

namespace quorin {

std::u16string_view qe_status_message(QeStatus s) {
  switch (s) {
    case QeStatus::Ok:
      return u"";
    case QeStatus::Missing:
      return u"文件不存在";
    case QeStatus::Empty:
      return u"这是一个空白文件";
    case QeStatus::Malformed:
      return u"文件结构错误";
    case QeStatus::ReadFailed:
      return u"文件读取失败";
    case QeStatus::OpenFailed:
      return u"文件无法打开";
    case QeStatus::Other:
      break;
  }
  return u"文件无法打开2";
}

Rc4::Rc4(const uint8_t* key, size_t len) {
  for (int k = 0; k < 256; ++k) s_[k] = static_cast<uint8_t>(k);
  uint8_t j = 0;
  for (int k = 0; k < 256; ++k) {
    j = static_cast<uint8_t>(j + s_[k] + key[static_cast<size_t>(k) % len]);
    std::swap(s_[k], s_[j]);
  }
}

void Rc4::apply(uint8_t* data, size_t n) {
  uint8_t i = i_, j = j_;
  for (size_t k = 0; k < n; ++k) {
    i = static_cast<uint8_t>(i + 1);
    j = static_cast<uint8_t>(j + s_[i]);
    std::swap(s_[i], s_[j]);
    data[k] ^= s_[static_cast<uint8_t>(s_[i] + s_[j])];
  }
  i_ = i;
  j_ = j;
}

std::array<uint8_t, kProgramKeySize> qe_program_key() {
  // A small generator run from a few seeds; the seed goes through a volatile
  // so that the finished key is never laid down as a constant.
  volatile uint32_t seed = 0x7A3C19E5u;
  uint32_t x = seed;
  std::array<uint8_t, kProgramKeySize> key{};
  for (size_t k = 0; k < key.size(); ++k) {
    x = x * 1664525u + 1013904223u;
    x ^= x >> 13;
    key[k] = static_cast<uint8_t>((x >> 11) ^ (0x3Bu * (k + 7)));
  }
  return key;
}

std::string qe_body_key(std::string_view inner_key) {
  std::string key(inner_key);
  size_t len = 0;
  while (len < key.size() && key[len] != '\0') ++len;
  std::reverse(key.begin(), key.begin() + static_cast<std::ptrdiff_t>(len));
  return key;
}

QeStatus decode_qe(std::string_view file, std::string& plain) {
  plain.clear();
  if (file.empty()) return QeStatus::Empty;
  if (file.size() <= 1) return QeStatus::Malformed;
  const size_t n = static_cast<unsigned char>(file[1]);
  // An empty inner key cannot key the cipher.
  if (n == 0 || n + 1 >= file.size()) return QeStatus::Malformed;
  std::string inner(file.substr(2, n));
  const auto program_key = qe_program_key();
  Rc4(program_key.data(), program_key.size()).apply(inner);
  const std::string body_key = qe_body_key(inner);
  plain.assign(file.substr(2 + n));
  Rc4(reinterpret_cast<const uint8_t*>(body_key.data()), body_key.size()).apply(plain);
  return QeStatus::Ok;
}

QeStatus read_qe_file(const std::u16string& path, std::string& plain) {
  plain.clear();
  std::string bytes;
  switch (read_file_bytes(path, bytes)) {
    case ReadStatus::Ok:
      break;
    case ReadStatus::Missing:
      return QeStatus::Missing;
    case ReadStatus::OpenFailed:
      return QeStatus::OpenFailed;
    case ReadStatus::ReadFailed:
      return QeStatus::ReadFailed;
    case ReadStatus::TooLarge:
      return QeStatus::Other;
  }
  return decode_qe(bytes, plain);
}

std::string encode_qe(std::string_view plain, std::string_view inner_key, uint8_t format) {
  std::string out;
  if (inner_key.empty() || inner_key.size() > 255) return out;
  out.reserve(2 + inner_key.size() + plain.size());
  out.push_back(static_cast<char>(format));
  out.push_back(static_cast<char>(inner_key.size()));
  std::string inner(inner_key);
  const auto program_key = qe_program_key();
  Rc4(program_key.data(), program_key.size()).apply(inner);
  out += inner;
  const std::string body_key = qe_body_key(inner_key);
  std::string body(plain);
  Rc4(reinterpret_cast<const uint8_t*>(body_key.data()), body_key.size()).apply(body);
  out += body;
  return out;
}

}  // namespace quorin
