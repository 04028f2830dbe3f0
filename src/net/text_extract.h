// Extraction routines built on the text operations.
#pragma once
#include <string>
#include <string_view>

namespace vex {

// The text between the first left delimiter at or after `start` and the next
// right delimiter. "#引号" in a delimiter stands for a double quote.
std::string text_between(std::string_view text, std::string_view left_delimiter,
                         std::string_view right_delimiter, int start = 1, bool ignore_case = false);

// Everything after the first ":", trimmed.
std::string text_after_colon(std::string_view text);

// Everything before the first separator at or after `start`.
std::string text_before(std::string_view text, std::string_view separator, int start = 1,
                        bool ignore_case = false);

}  // namespace vex
