#include "host/window_geometry.h"

#include <algorithm>

namespace quorin {

MinimumSizes minimum_sizes(const WindowMetrics& m) {
  MinimumSizes s;
  s.client_w = kDefaultClientWidth - 90 + m.frame_w;
  s.client_h = kDefaultClientHeight - 156 + m.frame_h + m.menu_h;
  s.window_w = m.frame_w + s.client_w;
  s.window_h = m.frame_h + s.client_h;
  return s;
}

InitialPlacement initial_placement(const WindowMetrics& m, bool has_size, int w, int h, bool has_position, int x,
                                   int y) {
  InitialPlacement p;
  const MinimumSizes min = minimum_sizes(m);
  int width = kDefaultClientWidth, height = kDefaultClientHeight;
  if (has_size && w > 0 && h > 0) {
    bool full_width = false;
    width = std::max(w, min.client_w);
    if (width + m.frame_w >= m.desktop_w) {
      width = m.desktop_w - m.frame_w;
      full_width = true;
    }
    height = std::max(h, min.client_h);
    if (height + m.frame_h + m.caption_h >= m.desktop_h) {
      if (full_width) {
        width = m.desktop_w;
        height = m.desktop_h;
      } else {
        height = m.desktop_h - m.frame_h - m.caption_h;
      }
    }
  }
  if (width == m.desktop_w && height == m.desktop_h) {
    p.maximized = true;
    return p;  // default client size, centred, then maximized
  }
  p.client_w = width;
  p.client_h = height;
  if (has_position) {
    p.centred = false;
    p.x = std::max(0, std::min(x, m.desktop_w - width - m.frame_w));
    p.y = std::max(0, std::min(y, m.desktop_h - height - m.frame_h - m.caption_h));
  }
  return p;
}

}  // namespace quorin
