// Gives a top-level window the layered style and its colour key.
#pragma once
#include <windows.h>

#include <cstdint>

namespace vex {

// Sets the extended style to exactly WS_EX_LAYERED (every other extended bit
// goes) and applies alpha and key. System call results are ignored.
void makeLayered(HWND window, std::uint8_t alpha, std::uint32_t key);

}  // namespace vex
