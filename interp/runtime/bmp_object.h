// The Bmp image object: bit count, size and pixel data (24-bit rows
// bottom-up, padded to 4 bytes).
#pragma once
#include <cstdint>
#include <vector>

#include "runtime/object.h"

namespace quorin {

struct BmpObj : Object {
  BmpObj() : Object(tc::Bmp) {}
  int32_t bit_count = 0;
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> data;
  int32_t byte_length() const { return static_cast<int32_t>(data.size()); }
};

// A new empty image holding one reference for the caller.
inline Object* bmp_new_empty(ObjectRegistry& reg) { return obj_new<BmpObj>(reg); }

}  // namespace quorin
