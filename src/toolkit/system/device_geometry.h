// Layout units to device pixels. The layout tables are drawn at 96 DPI; a
// window on a display of another scale shows every box, point, size and
// font at its own DPI. Every geometry the Win32 side hands to the system
// passes through here, and every one it reads back returns through here,
// so that views and the Ui state only ever see layout units.
#pragma once
#include <windows.h>

namespace vex::win {

inline constexpr int kLayoutDpi = 96;

class DeviceGeometry {
 public:
  explicit DeviceGeometry(int dpi = kLayoutDpi) { setDpi(dpi); }
  int dpi() const { return dpi_; }
  void setDpi(int dpi) { dpi_ = dpi > 0 ? dpi : kLayoutDpi; }

  // Rounded as MulDiv rounds: half away from zero.
  int pixels(int units) const { return dpi_ == kLayoutDpi ? units : MulDiv(units, dpi_, kLayoutDpi); }
  int units(int pixels) const { return dpi_ == kLayoutDpi ? pixels : MulDiv(pixels, kLayoutDpi, dpi_); }

  // A box scales by its edges, not by its origin and size: boxes that touch
  // in the layout touch on screen too, with no see-through seam between.
  RECT box(const RECT& layout) const {
    return {pixels(layout.left), pixels(layout.top), pixels(layout.right), pixels(layout.bottom)};
  }
  RECT box(int left, int top, int width, int height) const {
    return box(RECT{left, top, left + width, top + height});
  }

 private:
  int dpi_ = kLayoutDpi;
};

// The DPI a window is shown at, and the one new windows start with: the
// per-window calls where the system has them (Windows 10 1607 on), the
// screen's logical pixels before that.
int windowDpi(HWND window);
int systemDpi();

}  // namespace vex::win
