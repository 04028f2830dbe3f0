// Reading one response header through the internet library.
#pragma once
#include <string>

#include "toolkit/internet/internet_api.h"

namespace vex {

// The header's text, "" when it is missing or longer than 255 bytes.
std::string queryText(InternetApi& api, InternetHandle request, std::uint32_t level);
// The status code, 0 when there is none.
int queryStatus(InternetApi& api, InternetHandle request);

}  // namespace vex
