// Printed forms of collections (print, println, console_print…):
//   ArrayList{1, 2, 3}   LinkedList{"a", "b"}   ArrayList{'x', ''}
//   HashMap{\r\n  key:value\r\n …}   (one line per entry, iteration order)
//   Iterator{…}  (the elements it has not returned yet)
// Bmp elements are written one per line between "{\r\n" and "\r\n}"; an empty
// list of any element type prints as {}.
#pragma once
#include <cstdint>
#include <string>

#include "runtime/object.h"
#include "runtime/value.h"

namespace quorin {

// What the printed form shows of an image.  Provided by the Bmp family, which
// owns the image object; a null image prints as all zeros.
struct BmpFacts {
  int32_t bit_count = 0, width = 0, height = 0, len = 0;
};
using BmpFactsFn = BmpFacts (*)(const Object* bmp);

// "Bmp@bitCount:%d, width:%d, height:%d, len:%d"
std::u16string bmp_print_text(const BmpFacts& f);

// The printed form of an ArrayList, LinkedList, HashMap or Iterator object
// (empty for anything else).  `bmp_facts` may be null when no element is a Bmp.
std::u16string format_collection(const Object* obj, BmpFactsFn bmp_facts);
inline std::u16string format_collection(const Value& v, BmpFactsFn bmp_facts) {
  return format_collection(v.v.obj, bmp_facts);
}

}  // namespace quorin
