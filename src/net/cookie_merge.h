// Combining the cookies a request sent with those its response set: the
// newer value wins, deleted cookies go, exact duplicates are dropped.
#pragma once
#include <string>
#include <string_view>

#include "net/text_ops.h"

namespace vex {

// The part of an entry before its first "=", trimmed; the whole entry when it has none.
std::string cookie_name(std::string_view entry);

bool has_cookie_named(const TextList& entries, std::string_view name);

// The pieces of `text` at `separator`, first of each exact duplicate kept.
std::string join_unique(std::string_view text, std::string_view separator);

// Writes the blank-free forms back into both arguments, then the merged
// text into old_cookies as well, and returns it ("; " between entries).
std::string merge_cookies(std::string& old_cookies, std::string& new_cookies);

}  // namespace vex
