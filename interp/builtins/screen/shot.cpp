#include "builtins/screen/platform.h"

namespace quorin::screen {

bool Shot::make(int w, int h) {
  const int64_t stride = row_stride(24, w);
  if (w <= 0 || h <= 0 || stride < 0) return false;
  bytes.assign(static_cast<size_t>(stride) * static_cast<size_t>(h), 0);
  view = PixelView{bytes.data(), w, h, static_cast<int>(stride), 3};
  return true;
}

}  // namespace quorin::screen
