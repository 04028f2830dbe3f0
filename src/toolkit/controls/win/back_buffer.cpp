#include "toolkit/controls/win/back_buffer.h"

namespace vex::win {

BackBuffer::~BackBuffer() { release(); }

void BackBuffer::release() {
  if (dc_ && old_) SelectObject(dc_.get(), old_);
  old_ = nullptr;
  dc_.reset();
  scratch_.reset();
  bitmap_.reset();
  width_ = height_ = 0;
}

bool BackBuffer::fit(HDC screen, int width, int height) {
  if (dc_ && width == width_ && height == height_) return false;
  release();
  if (width <= 0 || height <= 0) return true;
  UniqueDc dc(CreateCompatibleDC(screen));
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
  if (!dc || !bitmap) return true;
  old_ = SelectObject(dc.get(), bitmap.get());
  scratch_.reset(CreateCompatibleDC(screen));
  dc_ = std::move(dc);
  bitmap_ = std::move(bitmap);
  width_ = width;
  height_ = height;
  return true;
}

void BackBuffer::copyTo(HDC target, const RECT& area) const {
  if (!dc_) return;
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(), area.left,
         area.top, SRCCOPY);
}

}  // namespace vex::win
