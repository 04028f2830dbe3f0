#include "toolkit/pictures/picture_decode.h"

#include <cstring>

namespace vex {

std::uint32_t DecodedPicture::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  const std::uint8_t* p = &bgra[(static_cast<std::size_t>(y) * width + x) * 4];
  return (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
}

int scaledSide(int side, int dpi) {
  return dpi == 96 ? side : static_cast<int>((std::int64_t{side} * dpi + 48) / 96);
}

DecodedPicture scaledTo(DecodedPicture picture, int dpi) {
  if (dpi == 96 || picture.empty()) return picture;
  DecodedPicture out;
  out.width = scaledSide(picture.width, dpi);
  out.height = scaledSide(picture.height, dpi);
  if (out.empty()) return {};
  auto source = [](int at, int from, int to) { return static_cast<int>((2LL * at + 1) * from / (2LL * to)); };
  out.bgra.resize(static_cast<std::size_t>(out.width) * out.height * 4);
  std::uint8_t* dst = out.bgra.data();
  for (int y = 0; y < out.height; ++y) {
    const std::uint8_t* row =
        &picture.bgra[static_cast<std::size_t>(source(y, picture.height, out.height)) * picture.width * 4];
    for (int x = 0; x < out.width; ++x, dst += 4)
      std::memcpy(dst, row + static_cast<std::size_t>(source(x, picture.width, out.width)) * 4, 4);
  }
  return out;
}

DecodedPicture decodePicture(std::span<const std::uint8_t> bytes) {
  auto startsWith = [&](std::initializer_list<std::uint8_t> magic) {
    if (bytes.size() < magic.size()) return false;
    std::size_t i = 0;
    for (std::uint8_t m : magic)
      if (bytes[i++] != m) return false;
    return true;
  };
  if (startsWith({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) return decodePng(bytes);
  if (startsWith({0xFF, 0xD8, 0xFF})) return decodeJpeg(bytes);
  if (startsWith({'B', 'M'})) return decodeBmp(bytes);
  if (startsWith({0, 0, 1, 0})) return decodeIco(bytes);
  return {};
}

}  // namespace vex
