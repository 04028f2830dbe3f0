// Picture i of a set composited over a background and handed out as BMP
// file bytes (the set's format is toolkit/pictures/picture_set_decode.h).
#pragma once
#include <cstdint>
#include <span>

#include "toolkit/common/basic_types.h"
#include "toolkit/pictures/picture_set_decode.h"

namespace vex {

// Picture `index` (0-based) as a cx x cy, 32-bit BMP file image over
// `background` (0x00BBGGRR); empty for a malformed set or an index outside
// 0 .. count - 1. Never reads outside `set`.
Bytes pictureOf(std::span<const std::uint8_t> set, int index, Colour background = 0x00FFFFFF);

}  // namespace vex
