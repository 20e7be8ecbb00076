// BMP file images of Bmp values: reading files and byte arrays, writing the
// 54-byte headers and 24-bit rows.  Files and byte arrays come from users
// and other programs, so every size is checked against the bytes that are
// really there before anything is allocated or copied.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "runtime/bmp_object.h"

namespace quorin::bmp {

// Results of the file and byte-array forms.
enum : int32_t { kOk = 1, kCannotOpen = 0, kShortData = -1, kBadFormat = -2 };

constexpr size_t kHeaderBytes = 54;

// Where a file image is read from.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to n bytes; returns how many were read.
  virtual size_t read(uint8_t* out, size_t n) = 0;
  // Bytes left to read, or -1 when unknown.
  virtual int64_t remaining() = 0;
};

class MemorySource : public ByteSource {
 public:
  MemorySource(const uint8_t* data, size_t size) : p_(data), left_(size) {}
  size_t read(uint8_t* out, size_t n) override;
  int64_t remaining() override { return static_cast<int64_t>(left_); }

 private:
  const uint8_t* p_;
  size_t left_;
};

class FileSource : public ByteSource {
 public:
  explicit FileSource(std::FILE* f) : f_(f) {}
  size_t read(uint8_t* out, size_t n) override;
  int64_t remaining() override;

 private:
  std::FILE* f_;
};

// Makes the Bmp empty: all fields 0, the pixel block freed.
void reset(BmpObj& b);

// A 24-bit BMP file image (bottom-up or top-down rows) into `b`; the
// results of `bmp_file_read` after the file was opened.  On failure a Bmp
// that had data is left empty.
int32_t read_file_image(ByteSource& src, BmpObj& b);

// A BMP file image held in n bytes (`bmp_read_data`): 24- or 32-bit rows.
int32_t read_byte_image(const uint8_t* bytes, size_t n, BmpObj& b);

// Size of the file image of a width × height picture (54 + 24-bit rows), or
// -1 when width or height is not positive or the size does not fit an int.
int64_t file_image_size(int64_t width, int64_t height);

// The file image of `b` (headers and 24-bit bottom-up rows; a 32-bit Bmp is
// converted).  Empty when `b` has no picture or its data is inconsistent.
std::vector<uint8_t> file_image(const BmpObj& b);

// Opens a file for binary reading or writing (paths of 260 characters or
// more get the long-path prefix on Windows).  Null on failure.
std::FILE* open_file(std::u16string_view path, bool write);

// Image equality of `bmp_equal` and `==`.
bool images_equal(const BmpObj* a, const BmpObj* b);

}  // namespace quorin::bmp
