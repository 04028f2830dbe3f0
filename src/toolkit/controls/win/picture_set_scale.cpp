// A list view's pictures at a display's scale. Each picture is read back as
// the list itself would draw it (over black and over white, which gives its
// colour and its alpha) and every pixel is repeated to the scaled size, so
// the pictures stay crisp and take no colour they did not have.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/controls/win/device_geometry.h"

namespace vex::win {
namespace {

// A top-down 32-bit DIB with a memory DC of its own.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<std::uint32_t*>(bits);
    dc_.reset(CreateCompatibleDC(nullptr));
    if (dc_ && bitmap_) old_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~Canvas() {
    if (old_) SelectObject(dc_.get(), old_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  bool ok() const { return old_ && bits_; }
  HDC dc() const { return dc_.get(); }
  // The bitmap, taken out of the DC so that other calls may use it.
  HBITMAP release() {
    SelectObject(dc_.get(), old_);
    old_ = nullptr;
    return bitmap_.get();
  }
  void fill(std::uint32_t value) {
    GdiFlush();
    std::fill(bits_, bits_ + static_cast<std::size_t>(width_) * height_, value);
  }
  std::uint32_t& at(int x, int y) {
    GdiFlush();
    return bits_[static_cast<std::size_t>(y) * width_ + x];
  }

 private:
  int width_, height_;
  UniqueBitmap bitmap_;
  UniqueDc dc_;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

int sourceOf(int scaled, int from, int to) {
  return static_cast<int>((2LL * scaled + 1) * from / (2LL * to));
}

// One picture of `list` as straight-alpha 0xAARRGGBB pixels.
std::vector<std::uint32_t> readBack(HIMAGELIST list, int index, Canvas& onBlack, Canvas& onWhite, int w,
                                    int h) {
  onBlack.fill(0x00000000);
  onWhite.fill(0x00FFFFFF);
  ImageList_Draw(list, index, onBlack.dc(), 0, 0, ILD_NORMAL);
  ImageList_Draw(list, index, onWhite.dc(), 0, 0, ILD_NORMAL);
  std::vector<std::uint32_t> out(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::uint32_t black = onBlack.at(x, y) & 0xFFFFFF, white = onWhite.at(x, y) & 0xFFFFFF;
      // Over black a pixel is colour * alpha, over white that plus 255 * (1 - alpha).
      const int see = static_cast<int>((white >> 8) & 0xFF) - static_cast<int>((black >> 8) & 0xFF);
      const std::uint32_t alpha = static_cast<std::uint32_t>(255 - std::clamp(see, 0, 255));
      std::uint32_t pixel = 0;
      if (alpha == 255) {
        pixel = 0xFF000000 | black;
      } else if (alpha > 0) {
        auto straight = [alpha](std::uint32_t c) { return std::min<std::uint32_t>(255, c * 255 / alpha); };
        pixel = alpha << 24 | straight((black >> 16) & 0xFF) << 16 | straight((black >> 8) & 0xFF) << 8 |
                straight(black & 0xFF);
      }
      out[static_cast<std::size_t>(y) * w + x] = pixel;
    }
  }
  return out;
}

}  // namespace

UniqueImageList scaledPictureSet(HIMAGELIST list, int dpi) {
  if (!list) return {};
  int w = 0, h = 0;
  if (!ImageList_GetIconSize(list, &w, &h) || w <= 0 || h <= 0) return {};
  const int count = ImageList_GetImageCount(list);
  const int sw = MulDiv(w, dpi, kLayoutDpi), sh = MulDiv(h, dpi, kLayoutDpi);
  if (sw <= 0 || sh <= 0 || count < 0) return {};
  UniqueImageList out(ImageList_Create(sw, sh, ILC_COLOR32 | ILC_MASK, count, 4));
  if (!out) return {};
  Canvas onBlack(w, h), onWhite(w, h);
  if (!onBlack.ok() || !onWhite.ok()) return {};
  const int maskRow = (sw + 15) / 16 * 2;  // monochrome rows are word-aligned
  for (int i = 0; i < count; ++i) {
    const std::vector<std::uint32_t> source = readBack(list, i, onBlack, onWhite, w, h);
    Canvas scaled(sw, sh);
    if (!scaled.ok()) return {};
    // A set mask bit shows the list's background.
    std::vector<std::uint8_t> maskBits(static_cast<std::size_t>(maskRow) * sh, 0);
    for (int y = 0; y < sh; ++y) {
      for (int x = 0; x < sw; ++x) {
        const std::uint32_t p = source[static_cast<std::size_t>(sourceOf(y, h, sh)) * w + sourceOf(x, w, sw)];
        scaled.at(x, y) = p;
        if ((p >> 24) == 0)
          maskBits[static_cast<std::size_t>(y) * maskRow + x / 8] |=
              static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    UniqueBitmap mask(CreateBitmap(sw, sh, 1, 1, maskBits.data()));
    if (!mask || ImageList_Add(out.get(), scaled.release(), mask.get()) < 0) return {};
  }
  return out;
}

}  // namespace vex::win
