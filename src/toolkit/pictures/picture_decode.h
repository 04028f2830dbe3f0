// Picture file bytes (PNG, JPEG, ICO, BMP) to 32-bit pixels. Any fault in
// the input gives an empty picture; nothing outside the buffer is read.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace vex {

struct DecodedPicture {
  int width = 0;
  int height = 0;
  // Top-down rows of B, G, R, A bytes, not premultiplied; width * height * 4.
  std::vector<std::uint8_t> bgra;

  bool empty() const { return width <= 0 || height <= 0; }
  std::uint32_t pixel(int x, int y) const;  // 0xAARRGGBB
};

// Pictures wider or taller than this are refused (none of ours comes close).
inline constexpr int kMaxPictureSide = 4096;

DecodedPicture decodePicture(std::span<const std::uint8_t> bytes);

// A side of `side` pixels at `dpi`, rounded to the nearest as the window
// side scales its boxes.
int scaledSide(int side, int dpi);
// `picture` for a display of `dpi`: at 96 itself, at other scales every
// pixel repeated to the scaled size (the one under each new pixel's centre),
// so edges stay crisp and no colour appears that the picture does not have.
// Empty when the scaled size is.
DecodedPicture scaledTo(DecodedPicture picture, int dpi);

// The single decoders, for callers that know the format.
DecodedPicture decodePng(std::span<const std::uint8_t> bytes);
DecodedPicture decodeJpeg(std::span<const std::uint8_t> bytes);
DecodedPicture decodeBmp(std::span<const std::uint8_t> bytes);
DecodedPicture decodeIco(std::span<const std::uint8_t> bytes);
// A bare DIB (BITMAPINFOHEADER onwards) as stored in BMP files and icons;
// `icon` means the height counts the colour rows and the AND mask rows.
DecodedPicture decodeDib(std::span<const std::uint8_t> bytes, bool icon);

}  // namespace vex
