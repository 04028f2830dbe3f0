// The text operations the HTTP client and the online services share, over
// the positions and searches of toolkit/common/gbk_text.h (which says how
// texts are read). Every operation is pure.
#pragma once
#include <string>
#include <string_view>

#include "toolkit/common/gbk_text.h"
#include "toolkit/common/one_based_list.h"

namespace vex {

using TextList = OneBasedList<std::string>;

namespace text {

// Blanks are the ASCII space and the GBK full-width space A1 A1; tabs,
// CR and LF are not.
std::string trim(std::string_view text);
std::string remove_blanks(std::string_view text);

// A piece before each separator is kept even when empty; the piece after the
// last one only when it is not empty.
TextList split(std::string_view text, std::string_view separator);
std::string replace(std::string_view text, std::string_view part, std::string_view replacement,
                    bool case_sensitive);

}  // namespace text
}  // namespace vex
