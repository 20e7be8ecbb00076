#include "runtime/bmp_equality.h"

namespace quorin {

// Hook: identity only until the Bmp record (bit count, size, pixels) exists.
bool bmp_images_equal(const Object* a, const Object* b) { return a == b; }

}  // namespace quorin
