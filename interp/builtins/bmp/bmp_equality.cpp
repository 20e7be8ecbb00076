#include "runtime/bmp_equality.h"

#include "builtins/bmp/bmp_codec.h"

namespace quorin {

// Declared for the runtime's `==` on Bmp values; the image comparison lives
// with the Bmp family.
// The same value, or the same bit count, width and pixel bytes.
bool bmp_images_equal(const Object* a, const Object* b) {
  if (a == b) return true;
  return bmp::images_equal(static_cast<const BmpObj*>(a), static_cast<const BmpObj*>(b));
}

}  // namespace quorin
