// Picture sets: many equal-sized pictures in one byte array, "MITL", a
// reserved word, then a common-controls image-list stream (colour strip and
// mask strip as BMP file images). The stream is read in place.
#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "toolkit/common/basic_types.h"
#include "toolkit/pictures/picture_decode.h"

namespace vex {

inline constexpr std::size_t kPictureSetPrefix = 8;  // "MITL" + reserved word

struct PictureSetHeader {
  int count = 0;
  int capacity = 0;
  int growth = 0;
  int cx = 0;
  int cy = 0;
  Colour background = 0;
  std::uint16_t flags = 0;
};

// The image-list stream after the prefix; empty unless the set starts "MITL"
// and is longer than the prefix.
std::span<const std::uint8_t> imageListStream(std::span<const std::uint8_t> set);

// The stream header, when the prefix and the header can be read.
std::optional<PictureSetHeader> readPictureSetHeader(std::span<const std::uint8_t> set);

// Picture `index` (0-based) of a set, cx x cy, with its transparency as
// alpha: masked pixels are 0, a picture without alpha of its own is opaque
// elsewhere. Empty for a malformed set or an index outside 0 .. count - 1.
// Never reads outside `set`.
DecodedPicture decodeSetPicture(std::span<const std::uint8_t> set, int index);

}  // namespace vex
