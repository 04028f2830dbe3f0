// The cookies a response set, from its raw CR LF header block.
#pragma once
#include <string>
#include <string_view>

namespace vex {

// The first name=value pair of every "Set-Cookie: " line (name matched
// case-sensitively), joined by "; ".
std::string collect_set_cookies(std::string_view raw_headers);

}  // namespace vex
