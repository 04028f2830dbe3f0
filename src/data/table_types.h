// Column types shared by the game tables: every column is a 1-based list,
// texts are GBK bytes, per-row lists of varying length are lists of lists.
#pragma once
#include <cstdint>
#include <string>

#include "toolkit/common/embedded.h"
#include "toolkit/common/one_based_list.h"
#include "toolkit/common/basic_types.h"

namespace vex {

using NumberList = OneBasedList<std::int32_t>;
using TextList = OneBasedList<std::string>;
using NumberLists = OneBasedList<NumberList>;

// What every column holds before the tables are loaded: one element.
inline NumberList placeholderNumbers() { return NumberList{0}; }
inline TextList placeholderTexts() { return TextList{std::string()}; }
inline NumberLists placeholderLists() { return NumberLists{NumberList{0}}; }
inline Bytes placeholderPictures() { return Bytes{0}; }

}  // namespace vex
