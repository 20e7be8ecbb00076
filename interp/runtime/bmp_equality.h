// Equality of two Bmp values for `==` and `!=`.
#pragma once

namespace quorin {

struct Object;

// True when both are the same value or hold the same image.  Until the Bmp
// object exists this knows only identity (two nulls included); the Bmp module
// replaces the body with the image comparison shared with `bmp_equal`.
bool bmp_images_equal(const Object* a, const Object* b);

}  // namespace quorin
