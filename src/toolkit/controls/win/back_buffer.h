// A window's picture of its client area, kept between paints: controls are
// drawn into it and it is copied to the screen in one go.
#pragma once

#include "toolkit/system/handles.h"

namespace vex::win {

class BackBuffer {
 public:
  BackBuffer() = default;
  ~BackBuffer();
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // Makes the buffer `width` x `height`, like `screen`; true when it was
  // made anew (its pixels are then undefined).
  bool fit(HDC screen, int width, int height);
  HDC dc() const { return dc_.get(); }
  // A memory DC kept beside the buffer that pictures are selected into
  // while they are drawn, so a paint makes none of its own.
  HDC scratch() const { return scratch_.get(); }
  void copyTo(HDC target, const RECT& area) const;

 private:
  void release();
  UniqueBitmap bitmap_;
  UniqueDc dc_;
  UniqueDc scratch_;
  HGDIOBJ old_ = nullptr;
  int width_ = 0, height_ = 0;
};

}  // namespace vex::win
