// Column types shared by the game tables: every column is a 1-based list,
// texts are GBK bytes, per-row lists of varying length are lists of lists.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "toolkit/common/basic_types.h"
#include "toolkit/common/embedded.h"
#include "toolkit/common/one_based_list.h"

namespace vex {

using NumberList = OneBasedList<std::int32_t>;
using TextList = OneBasedList<std::string>;
using NumberLists = OneBasedList<NumberList>;

// What every column holds before the tables are loaded: one element.
inline NumberList placeholderNumbers() { return NumberList{0}; }
inline TextList placeholderTexts() { return TextList{std::string()}; }
inline NumberLists placeholderLists() { return NumberLists{NumberList{0}}; }
// A picture set: the program's own bytes, read where they are.
using PictureSet = std::span<const std::uint8_t>;

inline constexpr std::uint8_t kPlaceholderPicture[1] = {0};
inline PictureSet placeholderPictures() { return kPlaceholderPicture; }

}  // namespace vex
