#include "toolkit/pictures/gdi_picture.h"

#include <algorithm>

#include "toolkit/pictures/picture_decode.h"

namespace vex::win {

namespace {

// Key, grey and premultiplication (AlphaBlend wants premultiplied colour),
// one pixel as B, G, R, A bytes.
std::uint32_t prepared(const std::uint8_t* s, Colour key, bool grey) {
  std::uint32_t b = s[0], g = s[1], r = s[2], a = s[3];
  if (key != kDefaultColour && (r | (g << 8) | (b << 16)) == key) a = 0;
  if (grey) {
    const std::uint32_t y = (r * 30 + g * 59 + b * 11) / 100;
    r = g = b = (y + 0xC0) / 2;
    a /= 2;
  }
  return (b * a / 255) | (g * a / 255) << 8 | (r * a / 255) << 16 | a << 24;
}

}  // namespace

BITMAPINFO topDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

GdiPicture GdiPicture::fromBytes(std::span<const std::uint8_t> bytes, Colour key, bool grey, int dpi) {
  GdiPicture out;
  if (bytes.empty()) return out;
  const DecodedPicture p = scaledTo(decodePicture(bytes), dpi);
  if (p.empty()) return out;

  BITMAPINFO info = topDownInfo(p.width, p.height);
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return out;

  auto* dst = static_cast<std::uint32_t*>(bits);
  const std::size_t pixels = static_cast<std::size_t>(p.width) * p.height;
  bool opaque = true;
  for (std::size_t k = 0; k < pixels; ++k) {
    dst[k] = prepared(&p.bgra[k * 4], key, grey);
    opaque = opaque && dst[k] >> 24 == 0xFF;
  }
  GdiFlush();
  out.opaque_ = opaque;
  out.bitmap_ = std::move(bitmap);
  out.width_ = p.width;
  out.height_ = p.height;
  return out;
}

void GdiPicture::draw(HDC dc, const RECT& box, PictureFit fit, HDC scratch) const {
  if (empty()) return;
  const int bw = box.right - box.left, bh = box.bottom - box.top;
  if (bw <= 0 || bh <= 0) return;
  int dx = box.left, dy = box.top, dw = bw, dh = bh;
  int sx = 0, sy = 0, sw = width_, sh = height_;
  if (fit == PictureFit::Centre) {
    // One axis at a time: a larger picture is cut evenly, a smaller centred.
    auto place = [](int boxSize, int picSize, int& d, int& dsize, int& s, int& ssize) {
      if (picSize >= boxSize) {
        s = (picSize - boxSize) / 2;
        ssize = boxSize;
        dsize = boxSize;
      } else {
        d += (boxSize - picSize) / 2;
        dsize = picSize;
        s = 0;
        ssize = picSize;
      }
    };
    place(bw, width_, dx, dw, sx, sw);
    place(bh, height_, dy, dh, sy, sh);
  }
  UniqueDc own;
  if (!scratch) {
    own.reset(CreateCompatibleDC(dc));
    scratch = own.get();
  }
  if (!scratch) return;
  Selected sel(scratch, bitmap_.get());
  // Blending is several times the cost of a copy, which gives the same
  // pixels for an opaque picture at its own size.
  if (opaque_ && dw == sw && dh == sh) {
    BitBlt(dc, dx, dy, dw, dh, scratch, sx, sy, SRCCOPY);
    return;
  }
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, dx, dy, dw, dh, scratch, sx, sy, sw, sh, blend);
}

}  // namespace vex::win
