// The text operations the HTTP client and the online services share. Texts
// are GBK byte strings: a byte of 0x80 or above starts a two-byte character,
// and the first NUL ends the text. Positions are 1-based byte positions;
// -1 means "not found". Every operation is pure.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "toolkit/common/one_based_list.h"

namespace vex {

using TextList = OneBasedList<std::string>;

namespace text {

int length(std::string_view text);
std::string left(std::string_view text, int n);
std::string right(std::string_view text, int n);
std::string middle(std::string_view text, int start, int n);

// Walks character by character, so a match never starts on a trail byte.
// A start below 1 counts as 1; a start past the end gives -1.
int find(std::string_view text, std::string_view part, int start = 1, bool ignore_case = false);
int find_last(std::string_view text, std::string_view part);

std::string to_lower(std::string_view text);
std::string to_upper(std::string_view text);

// Blanks are the ASCII space and the GBK full-width space A1 A1; tabs,
// CR and LF are not.
std::string trim(std::string_view text);
std::string remove_blanks(std::string_view text);

// A piece before each separator is kept even when empty; the piece after the
// last one only when it is not empty.
TextList split(std::string_view text, std::string_view separator);
std::string replace(std::string_view text, std::string_view part, std::string_view replacement,
                    bool case_sensitive);

std::string repeat(int count, std::string_view text);
std::string spaces(int n);
std::string concatenate(std::initializer_list<std::string_view> texts);

}  // namespace text
}  // namespace vex
