// A decoded picture as a premultiplied 32-bit DIB, drawn with its alpha.
// Pictures are made for a display DPI: at 96 they keep their own size, at
// other scales every pixel is repeated to the scaled size (nearest
// neighbour), so edges stay crisp and no colour appears that the picture
// does not have: nothing blends into a window's key colour.
#pragma once
#include <span>
#include <vector>

#include "toolkit/controls/ui_types.h"
#include "toolkit/system/handles.h"

namespace vex::win {

// A 32-bit DIB of `width` x `height` whose rows run from the top, as
// decoded pictures and the toolkit's pixel reads have them.
BITMAPINFO topDownInfo(int width, int height);

class GdiPicture {
 public:
  GdiPicture() = default;
  // Empty when the bytes do not decode. Pixels of exactly `key` become
  // transparent (kDefaultColour: none); `grey` draws it as disabled.
  static GdiPicture fromBytes(std::span<const std::uint8_t> bytes, Colour key = kDefaultColour,
                              bool grey = false, int dpi = 96);

  bool empty() const { return !bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Centre: natural size, centred, cut to the box. Stretch: fills the box.
  // `scratch` is a memory DC to select the picture into (one is made for
  // the call when none is given); it is left as it was.
  void draw(HDC dc, const RECT& box, PictureFit fit, HDC scratch = nullptr) const;

 private:
  UniqueBitmap bitmap_;
  int width_ = 0, height_ = 0;
  bool opaque_ = false;  // no pixel lets anything through: copied, not blended
};

}  // namespace vex::win
