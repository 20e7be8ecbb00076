// Equality of two Bmp values for `==` and `!=`.
#pragma once

namespace quorin {

struct Object;

// True when both are the same value or hold the same image (the comparison
// of `bmp_equal`).
bool bmp_images_equal(const Object* a, const Object* b);

}  // namespace quorin
