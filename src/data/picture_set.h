// Picture sets: many equal-sized pictures in one byte array, "MITL", a
// reserved word, then a common-controls image-list stream (colour strip and
// mask strip as BMP file images). Picture i of a set is composited over a
// background and handed out as BMP file bytes.
#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "toolkit/common/embedded.h"
#include "toolkit/common/basic_types.h"

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

// Picture `index` (0-based) as a cx x cy, 32-bit BMP file image over
// `background` (0x00BBGGRR); empty for a malformed set or an index outside
// 0 .. count - 1. Never reads outside `set`.
Bytes pictureOf(std::span<const std::uint8_t> set, int index, Colour background = 0x00FFFFFF);

}  // namespace vex
