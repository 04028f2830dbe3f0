// The few value types every layer shares: texts, colours and byte buffers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vex {

using Text = std::string;  // GBK bytes
using Bytes = std::vector<std::uint8_t>;
using Colour = std::uint32_t;                         // 0x00BBGGRR
inline constexpr Colour kDefaultColour = 0xFF000000;  // "transparent"

// #RRGGBB as written in the layout tables, stored as 0x00BBGGRR.
constexpr Colour rgb(std::uint32_t rrggbb) {
  return ((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | ((rrggbb >> 16) & 0xFF);
}

}  // namespace vex
