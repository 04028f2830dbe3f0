#include "data/picture_set.h"

namespace vex {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;

void put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(std::uint8_t* p, std::uint32_t v) {
  put16(p, v & 0xFFFF);
  put16(p + 2, v >> 16);
}

// A cx x cy, 32-bit, bottom-up BMP file; pixels left for the caller.
Bytes blankBmp(int cx, int cy) {
  const std::uint32_t image = static_cast<std::uint32_t>(cx) * static_cast<std::uint32_t>(cy) * 4;
  Bytes out(kFileHeader + kInfoHeader + image, 0);
  std::uint8_t* p = out.data();
  p[0] = 'B';
  p[1] = 'M';
  put32(p + 2, static_cast<std::uint32_t>(out.size()));
  put32(p + 10, kFileHeader + kInfoHeader);
  put32(p + 14, kInfoHeader);
  put32(p + 18, static_cast<std::uint32_t>(cx));
  put32(p + 22, static_cast<std::uint32_t>(cy));
  put16(p + 26, 1);
  put16(p + 28, 32);
  put32(p + 34, image);
  return out;
}

}  // namespace

Bytes pictureOf(std::span<const std::uint8_t> set, int index, Colour background) {
  const DecodedPicture picture = decodeSetPicture(set, index);
  if (picture.empty()) return {};
  const int cx = picture.width, cy = picture.height;
  const unsigned bgR = background & 0xFF, bgG = (background >> 8) & 0xFF, bgB = (background >> 16) & 0xFF;
  Bytes out = blankBmp(cx, cy);
  std::uint8_t* pixels = out.data() + kFileHeader + kInfoHeader;
  const std::uint8_t* src = picture.bgra.data();
  for (int y = 0; y < cy; ++y) {
    std::uint8_t* dst = pixels + static_cast<std::size_t>(cy - 1 - y) * static_cast<std::size_t>(cx) * 4;
    for (int x = 0; x < cx; ++x, src += 4, dst += 4) {
      const unsigned a = src[3];
      auto over = [a](unsigned c, unsigned bg) {
        return static_cast<std::uint8_t>((c * a + bg * (255 - a) + 127) / 255);
      };
      dst[0] = over(src[0], bgB);
      dst[1] = over(src[1], bgG);
      dst[2] = over(src[2], bgR);
      dst[3] = 255;
    }
  }
  return out;
}

}  // namespace vex
