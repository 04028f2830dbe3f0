// PNG through libpng's simplified reader, which keeps its own error jumps
// inside the library and converts every colour type to BGRA.
#include <png.h>

#include <cstring>

#include "toolkit/pictures/picture_decode.h"

namespace vex {

DecodedPicture decodePng(std::span<const std::uint8_t> bytes) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
  if (image.width == 0 || image.height == 0 || image.width > kMaxPictureSide ||
      image.height > kMaxPictureSide) {
    png_image_free(&image);
    return {};
  }
  image.format = PNG_FORMAT_BGRA;
  DecodedPicture out;
  out.bgra.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, out.bgra.data(), 0, nullptr)) {
    png_image_free(&image);
    return {};
  }
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  return out;
}

}  // namespace vex
