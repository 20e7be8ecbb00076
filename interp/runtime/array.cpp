#include "runtime/array.h"

#include <cstdlib>
#include <cstring>
#include <new>

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

void array_build(ArrayObj& a, int dims, const int32_t* sizes) {
  array_free_storage(a);
  a.dims = dims;
  size_t count = 1;
  for (int i = 0; i < dims; ++i) {
    a.size[i] = sizes[i];
    count *= static_cast<size_t>(sizes[i] < 0 ? 0 : sizes[i]);
  }
  a.count = count;
  size_t bytes = count * element_width(a.elem);
  a.data = std::calloc(bytes ? bytes : 1, 1);
  if (!a.data) throw std::bad_alloc();
  if (a.elem == tc::String) {
    auto** p = static_cast<StrRep**>(a.data);
    for (size_t i = 0; i < count; ++i) p[i] = str_empty();
  }
}

}  // namespace quorin
