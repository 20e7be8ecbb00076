// The BMP file and byte-array forms over arbitrary bytes: a parse either
// fails with a result code and leaves the Bmp empty, or gives a picture
// whose rows its data holds, that writes out and reads back unchanged and
// that the bitmap search finds in itself.  The same bytes as UTF-16 text go
// through the colour-specification parser.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "builtins/bmp/bmp_codec.h"
#include "builtins/screen/colour_pattern.h"
#include "builtins/screen/pixel_search.h"

using namespace quorin;

namespace {

void check_picture(const BmpObj& b, int32_t r) {
  if (r != bmp::kOk) {
    if (b.width || b.height || b.bit_count || !b.data.empty()) std::abort();
    return;
  }
  screen::PixelView v;
  if (!screen::view_of(b.bit_count, b.width, b.height, b.data.data(), b.data.size(), v)) std::abort();
  const std::vector<uint8_t> image = bmp::file_image(b);
  if (image.size() != static_cast<size_t>(bmp::file_image_size(b.width, b.height))) std::abort();
  BmpObj again;
  if (bmp::read_byte_image(image.data(), image.size(), again) != bmp::kOk) std::abort();
  if (b.bit_count == 24 && !bmp::images_equal(&b, &again)) std::abort();
  // Small pictures: the needle is found in itself at the origin, by the
  // fast scan and by the reference.
  if (static_cast<int64_t>(b.width) * b.height <= 4096) {
    screen::PixelView hay;
    if (!screen::view_of(24, again.width, again.height, again.data.data(), again.data.size(), hay)) std::abort();
    int x = -1, y = -1;
    screen::SearchOptions o;
    if (!screen::find_bmp(hay, screen::Area{0, 0, hay.width, hay.height}, screen::Needle(v), o, x, y) || x || y)
      std::abort();
    if (!screen::find_bmp_reference(hay, screen::Area{0, 0, hay.width, hay.height}, v, 0, x, y) || x || y)
      std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    BmpObj b;
    check_picture(b, bmp::read_byte_image(data, size, b));
  }
  {
    BmpObj b;
    bmp::MemorySource src(data, size);
    check_picture(b, bmp::read_file_image(src, b));
  }
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i + 1 < size; i += 2) text[i / 2] = static_cast<char16_t>(data[i] | data[i + 1] << 8);
  const screen::ColourSpec spec = screen::parse_colour_spec(text, size ? data[0] : 0);
  for (const auto& e : spec.entries)
    for (int c = 0; c < 3; ++c)
      if (e.lo[c] > e.hi[c]) std::abort();
  return 0;
}
