// A decoded picture as a premultiplied 32-bit DIB, drawn with its alpha.
#pragma once
#include <span>

#include "toolkit/ui_types.h"
#include "toolkit/win/handles.h"

namespace vex::win {

class GdiPicture {
 public:
  GdiPicture() = default;
  // Empty when the bytes do not decode. Pixels of exactly `key` become
  // transparent (kDefaultColour: none); `grey` draws it as disabled.
  static GdiPicture fromBytes(std::span<const std::uint8_t> bytes, Colour key = kDefaultColour,
                              bool grey = false);

  bool empty() const { return !bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Centre: natural size, centred, cut to the box. Stretch: fills the box.
  void draw(HDC dc, const RECT& box, PictureFit fit) const;

 private:
  UniqueBitmap bitmap_;
  int width_ = 0, height_ = 0;
};

}  // namespace vex::win
