#include "builtins/bmp/bmp_codec.h"
#include "support/format.h"

namespace quorin::bmp {

std::FILE* open_file(std::u16string_view path, bool write) {
  if (path.empty()) return nullptr;
  return std::fopen(to_utf8(path).c_str(), write ? "wb" : "rb");
}

}  // namespace quorin::bmp
