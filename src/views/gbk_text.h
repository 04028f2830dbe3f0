// Reading the lineup list's texts: a substring search that respects GBK
// character boundaries, and a number cell read back. The picker itself works
// on lineup numbers; tests check the list's texts against them with these.
#pragma once
#include <cstdint>

#include "toolkit/controls/ui_types.h"

namespace vex {

// Whether `needle` occurs in `haystack` starting on a character boundary,
// so a trail byte followed by a lead byte never counts as a character.
// An empty needle is found.
bool gbkContains(const Text& haystack, const Text& needle);

// A text of decimal digits as its value; anything else (empty, signs,
// blanks, letters, more than nine digits) gives 0.
std::int32_t decimalOrZero(const Text& text);

}  // namespace vex
