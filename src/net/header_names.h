// Header-name case: "accept-language: x" becomes "Accept-Language: x".
#pragma once
#include <string>
#include <string_view>

namespace vex {

// Upper-cases the first byte when it is a..z.
std::string capitalize_first(std::string_view name);

// Each CR LF line with its name capitalised piece by piece at "-"; lines
// without ":" (empty ones too) are dropped; the rest of a line is kept.
std::string normalize_header_names(std::string_view headers);

}  // namespace vex
