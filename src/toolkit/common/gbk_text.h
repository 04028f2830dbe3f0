// Positions and searches in GBK texts: the ground the HTTP client's text
// operations and the online layer's address splitting stand on. A byte of
// 0x80 or above starts a two-byte character, and the first NUL ends the
// text. Positions are 1-based byte positions; -1 means "not found". Every
// operation is pure.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace vex::text {

// The text proper: everything before the first NUL.
std::string_view cut(std::string_view text);
// Width of the character at byte index i, never running past the end.
std::size_t width(std::string_view t, std::size_t i);
// Whether `part` stands at byte index i (ASCII letters in any case when
// ignore_case).
bool matchesAt(std::string_view t, std::size_t i, std::string_view part, bool ignore_case);

int length(std::string_view text);
std::string left(std::string_view text, int n);
std::string right(std::string_view text, int n);
std::string middle(std::string_view text, int start, int n);

// Walks character by character, so a match never starts on a trail byte.
// A start below 1 counts as 1; a start past the end gives -1.
int find(std::string_view text, std::string_view part, int start = 1, bool ignore_case = false);
int find_last(std::string_view text, std::string_view part);
// The text between the first `left` at or after `start` and the next
// `right`; "" when either is missing.
std::string between(std::string_view text, std::string_view left, std::string_view right, int start = 1,
                    bool ignore_case = false);

// ASCII letters only; the bytes of a two-byte character stay as they are.
std::string to_lower(std::string_view text);

}  // namespace vex::text
