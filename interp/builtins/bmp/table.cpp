// The Bmp value's builtins (files, byte arrays, fields, equality, copies),
// the GDI drawing layer and the colour helpers.
#include <cstring>

#include "builtins/bmp/bmp_codec.h"
#include "builtins/bmp/draw.h"
#include "builtins/tables.h"
#include "runtime/bmp_object.h"
#include "runtime/native.h"
#include "support/format.h"

namespace quorin {
namespace {

using BmpRef = ByRef<tc::RefBase + tc::Bmp>;
using ByteArray = ArrayArg<tc::ArrayBase + tc::Byte>;

// The image a Bmp& argument names; a variable without one gets a new empty
// image first.
BmpObj& target(Runtime& rt, BmpRef r) {
  Object*& slot = *static_cast<Object**>(r.addr);
  if (!slot) slot = bmp_new_empty(rt.objects);
  return *static_cast<BmpObj*>(slot);
}

// Bytes of a byte-array argument usable for a count n (never past the array).
size_t usable(const ByteArray& a, int32_t n) {
  if (!a.array || !a.array->data || n <= 0) return 0;
  return static_cast<size_t>(n) < a.array->count ? static_cast<size_t>(n) : a.array->count;
}

int32_t bmp_file_read(Runtime& rt, const Str& path, BmpRef bmp) {
  std::FILE* f = bmp::open_file(path.view(), false);
  if (!f) return bmp::kCannotOpen;
  bmp::FileSource src(f);
  const int32_t r = bmp::read_file_image(src, target(rt, bmp));
  std::fclose(f);
  return r;
}

int32_t bmp_file_write(Runtime& rt, const Str& path, BmpRef bmp) {
  const BmpObj& b = target(rt, bmp);
  if (b.width <= 0 || b.height <= 0) return bmp::kBadFormat;
  const std::vector<uint8_t> image = bmp::file_image(b);
  if (image.empty()) return bmp::kBadFormat;
  std::FILE* f = bmp::open_file(path.view(), true);
  if (!f) return bmp::kCannotOpen;
  // The file header, the information header and the rows.
  bool ok = std::fwrite(image.data(), 1, 14, f) == 14;
  ok = ok && std::fwrite(image.data() + 14, 1, 40, f) == 40;
  ok = ok && std::fwrite(image.data() + 54, 1, image.size() - 54, f) == image.size() - 54;
  ok = std::fclose(f) == 0 && ok;
  return ok ? bmp::kOk : bmp::kShortData;
}

int32_t bmp_read_data(Runtime& rt, BmpRef bmp, ByteArray bytes, int32_t n) {
  return bmp::read_byte_image(static_cast<const uint8_t*>(bytes.array ? bytes.array->data : nullptr),
                              usable(bytes, n), target(rt, bmp));
}

int32_t bmp_get_width(BmpArg b) { return b.bmp ? b.bmp->width : 0; }
int32_t bmp_get_height(BmpArg b) { return b.bmp ? b.bmp->height : 0; }
int32_t bmp_get_bit_count(BmpArg b) { return b.bmp ? b.bmp->bit_count : 0; }
int32_t bmp_get_len(BmpArg b) { return b.bmp ? b.bmp->byte_length() : 0; }

int32_t bmp_get_bytes_len(BmpArg b) {
  if (!b.bmp) return -1;
  return static_cast<int32_t>(bmp::file_image_size(b.bmp->width, b.bmp->height));
}

int32_t bmp_get_bytes(Runtime& rt, BmpArg b, ByteArray bytes, int32_t n) {
  if (!b.bmp || b.bmp->width <= 0 || b.bmp->height <= 0) return 0;
  const int64_t size = bmp::file_image_size(b.bmp->width, b.bmp->height);
  if (size < 0 || n < size) rt.fail(u"bmp_get_bytes() 第 3 个参数值小于Bmp位图实际使用的字节大小");
  if (!bytes.array || bytes.array->count < static_cast<size_t>(size))
    rt.fail(u"bmp_get_bytes() 第 2 个参数的数组长度小于Bmp位图实际使用的字节大小");
  const std::vector<uint8_t> image = bmp::file_image(*b.bmp);
  if (image.empty()) return 0;
  std::memcpy(bytes.array->data, image.data(), image.size());
  return 1;
}

int32_t bmp_equal(BmpArg a, BmpArg b) { return bmp::images_equal(a.bmp, b.bmp); }

ObjResult<tc::Bmp> bmp_clone(Runtime& rt, BmpArg b) {
  BmpObj* c = obj_new<BmpObj>(rt.objects);
  if (b.bmp) {
    c->bit_count = b.bmp->bit_count;
    c->width = b.bmp->width;
    c->height = b.bmp->height;
    c->data = b.bmp->data;
  }
  return ObjResult<tc::Bmp>{c};
}

void bmp_reset(BmpArg b) {
  if (b.bmp) bmp::reset(*b.bmp);
}

// ---- colour helpers ----
int32_t rgb(int32_t r, int32_t g, int32_t b) { return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16; }
int32_t rv(int32_t c) { return c & 0xFF; }
int32_t gv(int32_t c) { return (c >> 8) & 0xFF; }
// Not masked: bits above 23 stay (0xFF123456 gives 0xFF12).
int32_t bv(int32_t c) { return static_cast<int32_t>(static_cast<uint32_t>(c) >> 16); }

constexpr BuiltinEntry kEntries[] = {
    builtin<&bmp_file_read>(u"bmp_file_read"),
    builtin<&bmp_file_write>(u"bmp_file_write"),
    builtin<&bmp_read_data>(u"bmp_read_data"),
    builtin<&bmp_get_width>(u"bmp_get_width"),
    builtin<&bmp_get_height>(u"bmp_get_height"),
    builtin<&bmp_get_bit_count>(u"bmp_get_bit_count"),
    builtin<&bmp_get_len>(u"bmp_get_len"),
    builtin<&bmp_get_bytes_len>(u"bmp_get_bytes_len"),
    builtin<&bmp_get_bytes>(u"bmp_get_bytes"),
    builtin<&bmp_equal>(u"bmp_equal"),
    builtin<&bmp_clone>(u"bmp_clone"),
    builtin<&bmp_reset>(u"bmp_reset"),
    // GDI drawing
    builtin<&draw::get_dc>(u"get_dc"),
    builtin<&draw::release_dc>(u"release_dc"),
    builtin<&draw::create_compatible_dc>(u"create_compatible_dc"),
    builtin<&draw::delete_dc>(u"delete_dc"),
    builtin<&draw::create_compatible_bitmap>(u"create_compatible_bitmap"),
    builtin<&draw::select_object>(u"select_object"),
    builtin<&draw::delete_object>(u"delete_object"),
    builtin<&draw::create_pen>(u"create_pen"),
    builtin<&draw::create_solid_brush>(u"create_solid_brush"),
    builtin<&draw::get_stock_object>(u"get_stock_object"),
    builtin<&draw::bit_blt>(u"bit_blt"),
    builtin<&draw::set_pixel>(u"set_pixel"),
    builtin<&draw::set_pixel_v>(u"set_pixel_v"),
    builtin<&draw::get_pixel>(u"get_pixel"),
    builtin<&draw::line>(u"line"),
    builtin<&draw::rectangle>(u"rectangle"),
    builtin<&draw::fill_rect>(u"fill_rect"),
    builtin<&draw::round_rect>(u"round_rect"),
    builtin<&draw::ellipse>(u"ellipse"),
    builtin<&draw::arc>(u"arc"),
    builtin<&draw::pie>(u"pie"),
    builtin<&draw::chord>(u"chord"),
    builtin<&draw::draw_bmp>(u"draw_bmp"),
    // colours
    builtin<&rgb>(u"rgb"),
    builtin<&rv>(u"rv"),
    builtin<&gv>(u"gv"),
    builtin<&bv>(u"bv"),
};

}  // namespace

BuiltinTable bmp_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
