// Array storage: one contiguous block in row-major order (last index
// fastest), elements in their own width so that DLL calls and byte-array
// builtins see plain C arrays.
#pragma once
#include <cstddef>
#include <cstdint>

#include "frontend/types.h"

namespace quorin {

struct ArrayObj {
  TypeCode elem = tc::None;
  int dims = 0;
  int32_t size[3] = {0, 0, 0};
  size_t count = 0;     // total number of elements
  void* data = nullptr;  // count × element width, zero-filled when built
};

constexpr size_t element_width(TypeCode t) {
  switch (t) {
    case tc::Byte:
      return 1;
    case tc::Char:
    case tc::Short:
      return 2;
    case tc::Int:
    case tc::Float:
      return 4;
    case tc::Long:
    case tc::Double:
      return 8;
    default:
      return sizeof(void*);  // string and object references
  }
}

// Frees the element storage, releasing owned strings and objects.
void array_free_storage(ArrayObj& a);
// Allocates zero-filled storage for the given sizes (freeing the old one).
// Returns false, leaving the array empty, when count × element width does
// not fit the address space or the allocation fails.
bool array_build(ArrayObj& a, int dims, const int32_t* sizes);

}  // namespace quorin
