// Layout units to device pixels. Every box, point and size the Win32 side
// hands to the system passes through here, so that scaling a window by its
// DPI later is a change to this file alone. Today one unit is one pixel.
#pragma once
#include <windows.h>

namespace vex::win {

class DeviceGeometry {
 public:
  int pixels(int units) const { return units; }
  RECT box(int left, int top, int width, int height) const {
    return {pixels(left), pixels(top), pixels(left) + pixels(width), pixels(top) + pixels(height)};
  }
  RECT box(POINT origin, int left, int top, int width, int height) const {
    RECT r = box(left, top, width, height);
    OffsetRect(&r, origin.x, origin.y);
    return r;
  }
};

}  // namespace vex::win
