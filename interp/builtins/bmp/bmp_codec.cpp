#include "builtins/bmp/bmp_codec.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "builtins/screen/pixel_search.h"

namespace quorin::bmp {

namespace {

int32_t le32(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                              static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}
uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
void put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void put16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

// Turns top-down rows into bottom-up ones in place.
void flip_rows(std::vector<uint8_t>& data, size_t stride, size_t rows) {
  std::vector<uint8_t> tmp(stride);
  for (size_t i = 0, j = rows - 1; i < j; ++i, --j) {
    std::memcpy(tmp.data(), data.data() + i * stride, stride);
    std::memcpy(data.data() + i * stride, data.data() + j * stride, stride);
    std::memcpy(data.data() + j * stride, tmp.data(), stride);
  }
}

// Checked geometry of a header: the row count and the data length, or
// false when the picture is empty or its size does not fit an int.
bool geometry(int32_t bits, int32_t width, int32_t height, int64_t& rows, int64_t& length) {
  if (width <= 0 || height == 0) return false;
  rows = height < 0 ? -static_cast<int64_t>(height) : height;
  const int64_t stride = screen::row_stride(bits, width);
  if (stride <= 0 || rows > INT32_MAX) return false;
  length = stride * rows;
  return length <= INT32_MAX;
}

int32_t fail(BmpObj& b, int32_t code) {
  reset(b);
  return code;
}

}  // namespace

size_t MemorySource::read(uint8_t* out, size_t n) {
  const size_t k = n < left_ ? n : left_;
  if (k) std::memcpy(out, p_, k);
  p_ += k;
  left_ -= k;
  return k;
}

size_t FileSource::read(uint8_t* out, size_t n) { return std::fread(out, 1, n, f_); }

int64_t FileSource::remaining() {
  const long here = std::ftell(f_);
  if (here < 0 || std::fseek(f_, 0, SEEK_END) != 0) return -1;
  const long end = std::ftell(f_);
  std::fseek(f_, here, SEEK_SET);
  return end < here ? -1 : static_cast<int64_t>(end - here);
}

void reset(BmpObj& b) {
  b.bit_count = b.width = b.height = 0;
  std::vector<uint8_t>().swap(b.data);
}

int32_t read_file_image(ByteSource& src, BmpObj& b) {
  uint8_t h[kHeaderBytes];
  if (src.read(h, kHeaderBytes) != kHeaderBytes) return fail(b, kShortData);
  if (le16(h + 28) != 24) return fail(b, kBadFormat);
  const int32_t width = le32(h + 18), height = le32(h + 22);
  int64_t rows = 0, length = 0;
  if (!geometry(24, width, height, rows, length)) return fail(b, kBadFormat);
  // A header may promise more than the file holds: never allocate for
  // bytes that are not there.
  const int64_t left = src.remaining();
  if (left >= 0 && left < length) return fail(b, kShortData);
  std::vector<uint8_t> data;
  if (left < 0) {
    // Unknown size: read in pieces, so a lie costs no more than the truth.
    uint8_t chunk[1 << 16];
    while (static_cast<int64_t>(data.size()) < length) {
      const size_t want = static_cast<size_t>(std::min<int64_t>(sizeof chunk, length - static_cast<int64_t>(data.size())));
      const size_t got = src.read(chunk, want);
      data.insert(data.end(), chunk, chunk + got);
      if (got != want) return fail(b, kShortData);
    }
  } else {
    if (b.byte_length() == length) data.swap(b.data);  // reuse the block
    data.resize(static_cast<size_t>(length));
    if (src.read(data.data(), data.size()) != data.size()) return fail(b, kShortData);
  }
  if (height < 0) flip_rows(data, static_cast<size_t>(length / rows), static_cast<size_t>(rows));
  b.data.swap(data);
  b.bit_count = 24;
  b.width = width;
  b.height = static_cast<int32_t>(rows);
  return kOk;
}

int32_t read_byte_image(const uint8_t* bytes, size_t n, BmpObj& b) {
  if (n < kHeaderBytes) return fail(b, kShortData);
  const uint16_t bits = le16(bytes + 28);
  if (bits < 24) return fail(b, kBadFormat);
  if (bits != 24 && bits != 32) return fail(b, kBadFormat);
  const int32_t width = le32(bytes + 18), height = le32(bytes + 22);
  int64_t rows = 0, length = 0;
  if (!geometry(bits, width, height, rows, length)) return fail(b, kBadFormat);
  if (n - kHeaderBytes < static_cast<uint64_t>(length)) return fail(b, kShortData);
  b.data.assign(bytes + kHeaderBytes, bytes + kHeaderBytes + length);
  if (height < 0) flip_rows(b.data, static_cast<size_t>(length / rows), static_cast<size_t>(rows));
  b.bit_count = bits;
  b.width = width;
  b.height = static_cast<int32_t>(rows);
  return kOk;
}

int64_t file_image_size(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0) return -1;
  const int64_t stride = screen::row_stride(24, width);
  if (stride < 0) return -1;
  const int64_t size = static_cast<int64_t>(kHeaderBytes) + stride * height;
  return size > INT32_MAX ? -1 : size;
}

std::vector<uint8_t> file_image(const BmpObj& b) {
  screen::PixelView v;
  if (!screen::view_of(b.bit_count, b.width, b.height, b.data.data(), b.data.size(), v)) return {};
  const int64_t size = file_image_size(b.width, b.height);
  if (size < 0) return {};
  const uint32_t image = static_cast<uint32_t>(size) - kHeaderBytes;
  std::vector<uint8_t> out(static_cast<size_t>(size), 0);
  uint8_t* h = out.data();
  h[0] = 0x42;
  h[1] = 0x4D;
  put32(h + 2, static_cast<uint32_t>(size));
  put32(h + 10, kHeaderBytes);
  put32(h + 14, 40);
  put32(h + 18, static_cast<uint32_t>(b.width));
  put32(h + 22, static_cast<uint32_t>(b.height));
  put16(h + 26, 1);
  put16(h + 28, 24);
  put32(h + 34, image);
  const size_t stride24 = image / static_cast<uint32_t>(b.height);
  if (v.bytes_per_pixel == 3) {
    // The rows as they are, padding included.
    std::memcpy(h + kHeaderBytes, b.data.data(), image);
    return out;
  }
  for (int r = 0; r < b.height; ++r) {
    // Memory row r is picture row height-1-r in both.
    const uint8_t* src = v.row(b.height - 1 - r);
    uint8_t* dst = h + kHeaderBytes + static_cast<size_t>(r) * stride24;
    for (int c = 0; c < b.width; ++c) std::memcpy(dst + 3 * static_cast<size_t>(c), src + 4 * static_cast<size_t>(c), 3);
  }
  return out;
}

bool images_equal(const BmpObj* a, const BmpObj* b) {
  if (a == b) return true;
  static const BmpObj empty;  // an image never filled compares as empty
  if (!a) a = &empty;
  if (!b) b = &empty;
  return a->bit_count == b->bit_count && a->width == b->width && a->data == b->data;
}

}  // namespace quorin::bmp
