// Editions compared as numbers, part by part: 2.10 comes after 2.9.
#pragma once
#include <string_view>

namespace vex::online {

// Digits in dot-separated parts ("2", "2.10", "3.0.1"): no empty part, no
// leading zero, at most 9 digits a part, at most 8 parts.
bool editionWellFormed(std::string_view edition);

// True when both are well formed and `edition` is later than `current`;
// missing parts count as 0 (2.1 and 2.1.0 are the same edition).
bool editionNewer(std::string_view edition, std::string_view current);

}  // namespace vex::online
