#include "builtins/bmp/bmp_codec.h"

#include <gtest/gtest.h>

#include <cstring>

namespace quorin::bmp {
namespace {

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A file image with the given header fields and `pixels` bytes of data.
std::vector<uint8_t> image(int32_t w, int32_t h, uint16_t bits, size_t pixels) {
  std::vector<uint8_t> b(54 + pixels, 0);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<uint32_t>(b.size()));
  put32(b, 10, 54);
  put32(b, 14, 40);
  put32(b, 18, static_cast<uint32_t>(w));
  put32(b, 22, static_cast<uint32_t>(h));
  b[26] = 1;
  b[28] = static_cast<uint8_t>(bits);
  b[29] = static_cast<uint8_t>(bits >> 8);
  for (size_t i = 0; i < pixels; ++i) b[54 + i] = static_cast<uint8_t>(i * 7 + 1);
  return b;
}

int32_t read_file(const std::vector<uint8_t>& bytes, BmpObj& b) {
  MemorySource src(bytes.data(), bytes.size());
  return read_file_image(src, b);
}

void fill(BmpObj& b) {
  b.bit_count = 24;
  b.width = 1;
  b.height = 1;
  b.data.assign(4, 9);
}

TEST(BmpCodec, ThreeByTwoPicture) {
  BmpObj b;
  ASSERT_EQ(read_file(image(3, 2, 24, 24), b), kOk);
  EXPECT_EQ(b.bit_count, 24);
  EXPECT_EQ(b.width, 3);
  EXPECT_EQ(b.height, 2);
  EXPECT_EQ(b.byte_length(), 24);
  EXPECT_EQ(file_image_size(3, 2), 78);
  const std::vector<uint8_t> out = file_image(b);
  ASSERT_EQ(out.size(), 78u);
  BmpObj again;
  ASSERT_EQ(read_byte_image(out.data(), out.size(), again), kOk);
  EXPECT_TRUE(images_equal(&b, &again));
  EXPECT_EQ(out[0], 0x42);
  EXPECT_EQ(out[1], 0x4D);
  EXPECT_EQ(out[10], 54);
  EXPECT_EQ(out[34], 24);  // image size
}

TEST(BmpCodec, TopDownRowsBecomeBottomUp) {
  for (int w : {1, 2, 3, 4, 5}) {
    const size_t stride = (3 * static_cast<size_t>(w) + 3) / 4 * 4;
    std::vector<uint8_t> up = image(w, 3, 24, stride * 3);
    std::vector<uint8_t> down = image(w, -3, 24, stride * 3);
    for (int r = 0; r < 3; ++r) std::memcpy(&down[54 + r * stride], &up[54 + (2 - r) * stride], stride);
    BmpObj a, b;
    ASSERT_EQ(read_file(up, a), kOk);
    ASSERT_EQ(read_file(down, b), kOk);
    EXPECT_EQ(b.height, 3);
    EXPECT_TRUE(images_equal(&a, &b)) << w;
  }
}

TEST(BmpCodec, HostileFilesGetResultCodesAndLeaveNothing) {
  struct Case {
    std::vector<uint8_t> bytes;
    int32_t want;
  };
  std::vector<uint8_t> short_header(53, 0);
  std::vector<Case> cases = {
      {short_header, kShortData},
      {image(2, 2, 8, 16), kBadFormat},                    // palette picture
      {image(3, 2, 24, 23), kShortData},                   // one byte missing
      {image(0x7FFFFFFF, 0x7FFFFFFF, 24, 16), kBadFormat}, // size beyond an int
      {image(100000, 100000, 24, 16), kBadFormat},
      {image(20000, 20000, 24, 16), kShortData},           // 1.2 GB promised, 16 bytes there
      {image(-4, 2, 24, 64), kBadFormat},
      {image(4, 0, 24, 64), kBadFormat},
      {image(1, INT32_MIN, 24, 64), kBadFormat},
  };
  for (const Case& c : cases) {
    BmpObj b;
    fill(b);
    EXPECT_EQ(read_file(c.bytes, b), c.want);
    EXPECT_EQ(b.width, 0);
    EXPECT_EQ(b.byte_length(), 0);
    BmpObj e;
    read_file(c.bytes, e);
    EXPECT_EQ(e.bit_count, 0);  // an empty Bmp stays empty
  }
}

TEST(BmpCodec, ByteArraysTake24And32Bits) {
  BmpObj b;
  std::vector<uint8_t> d = image(3, 2, 32, 24);
  ASSERT_EQ(read_byte_image(d.data(), d.size(), b), kOk);
  EXPECT_EQ(b.bit_count, 32);
  EXPECT_EQ(b.byte_length(), 24);
  // Written out as 24-bit rows: the fourth byte goes.
  const std::vector<uint8_t> out = file_image(b);
  ASSERT_EQ(out.size(), 78u);
  EXPECT_EQ(out[54], d[54]);
  EXPECT_EQ(out[57], d[58]);

  EXPECT_EQ(read_byte_image(d.data(), 53, b), kShortData);
  EXPECT_EQ(b.bit_count, 0);
  EXPECT_EQ(read_byte_image(d.data(), d.size() - 1, b), kShortData);
  std::vector<uint8_t> pal = image(3, 2, 16, 24);
  EXPECT_EQ(read_byte_image(pal.data(), pal.size(), b), kBadFormat);
  std::vector<uint8_t> odd = image(3, 2, 48, 48);
  EXPECT_EQ(read_byte_image(odd.data(), odd.size(), b), kBadFormat);
  std::vector<uint8_t> lying = image(0x40000000, 0x40000000, 32, 8);
  EXPECT_EQ(read_byte_image(lying.data(), lying.size(), b), kBadFormat);
  std::vector<uint8_t> big = image(5000, 5000, 24, 8);
  EXPECT_EQ(read_byte_image(big.data(), big.size(), b), kShortData);
  std::vector<uint8_t> down = image(3, -2, 24, 24);
  ASSERT_EQ(read_byte_image(down.data(), down.size(), b), kOk);
  EXPECT_EQ(b.height, 2);
}

TEST(BmpCodec, EqualityAndEmptyImages) {
  BmpObj a, b, e;
  fill(a);
  fill(b);
  EXPECT_TRUE(images_equal(&a, &b));
  b.data[3] = 0;
  EXPECT_FALSE(images_equal(&a, &b));
  EXPECT_TRUE(images_equal(&e, nullptr));
  EXPECT_FALSE(images_equal(&a, &e));
  EXPECT_TRUE(file_image(e).empty());
  EXPECT_EQ(file_image_size(0, 3), -1);
  BmpObj bad;
  fill(bad);
  bad.height = 5;  // rows the data does not hold
  EXPECT_TRUE(file_image(bad).empty());
}

}  // namespace
}  // namespace quorin::bmp
