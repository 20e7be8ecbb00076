// How many physical pixels stand for one logical pixel on each axis when the
// system scales the desktop (1.0 where it does not).  Shared by the
// code-assist tool and the window probe, which both turn the hooks' physical
// pointer positions into the logical ones scripts use.
#pragma once
#include <windows.h>

namespace quorin::assist {

struct ScreenScale {
  double x = 1.0, y = 1.0;
};

inline ScreenScale screen_scale() {
  ScreenScale s;
  HDC dc = GetDC(nullptr);
  const int hres = GetDeviceCaps(dc, HORZRES), vres = GetDeviceCaps(dc, VERTRES);
  const int dh = GetDeviceCaps(dc, DESKTOPHORZRES), dv = GetDeviceCaps(dc, DESKTOPVERTRES);
  ReleaseDC(nullptr, dc);
  if (hres > 0 && dh > 0 && dh != hres) s.x = static_cast<double>(dh) / hres;
  if (vres > 0 && dv > 0 && dv != vres) s.y = static_cast<double>(dv) / vres;
  return s;
}

}  // namespace quorin::assist
