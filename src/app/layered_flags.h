// The flag choice of makeLayered, kept apart from the Win32 call so it can be
// checked on any platform.
#pragma once
#include <cstdint>

namespace vex {

inline constexpr std::uint32_t kLwaColorKey = 1;
inline constexpr std::uint32_t kLwaAlpha = 2;

// A key of 0 (black) would punch holes in every black pixel, so it means
// "alpha only"; an alpha of 0 with a key means "key only".
constexpr std::uint32_t layeredFlags(std::uint8_t alpha, std::uint32_t key) {
  if (key == 0) return kLwaAlpha;
  if (alpha == 0) return kLwaColorKey;
  return kLwaColorKey | kLwaAlpha;
}

}  // namespace vex
