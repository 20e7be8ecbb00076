#include "runtime/array.h"

#include <cstdlib>
#include <cstring>
#include <cstdint>

#include "runtime/object.h"
#include "runtime/str.h"

namespace quorin {

void array_free_storage(ArrayObj& a) {
  if (!a.data) return;
  if (a.elem == tc::String) {
    auto** p = static_cast<StrRep**>(a.data);
    for (size_t i = 0; i < a.count; ++i) str_release(p[i]);
  } else if (is_object_type(a.elem)) {
    auto** p = static_cast<Object**>(a.data);
    for (size_t i = 0; i < a.count; ++i) obj_release(p[i]);
  }
  std::free(a.data);
  a.data = nullptr;
  a.count = 0;
}

bool array_build(ArrayObj& a, int dims, const int32_t* sizes) {
  array_free_storage(a);
  a.dims = dims;
  const size_t width = element_width(a.elem);
  size_t count = 1;
  bool fits = true;
  for (int i = 0; i < dims; ++i) {
    const size_t n = static_cast<size_t>(sizes[i] < 0 ? 0 : sizes[i]);
    if (n == 0) {
      count = 0;  // a zero size anywhere makes the array empty
      fits = true;
      break;
    }
    if (count > SIZE_MAX / n) fits = false;
    count *= n;
  }
  for (int i = 0; i < dims; ++i) a.size[i] = sizes[i];
  if (!fits || count > SIZE_MAX / width) {
    for (int i = 0; i < dims; ++i) a.size[i] = 0;
    return false;
  }
  const size_t bytes = count * width;
  a.data = std::calloc(bytes ? bytes : 1, 1);
  if (!a.data) {
    for (int i = 0; i < dims; ++i) a.size[i] = 0;
    return false;
  }
  a.count = count;
  if (a.elem == tc::String) {
    auto** p = static_cast<StrRep**>(a.data);
    for (size_t i = 0; i < count; ++i) p[i] = str_empty();
  }
  return true;
}

}  // namespace quorin
