// The pieces of an address that a request needs. Only "http://" and
// "https://" count as schemes; a bare host is taken as http.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vex {

// The host in lower case, with its ":port" suffix when keep_port is true.
std::string url_host(std::string_view address, bool keep_port = false);
// The explicit port, else 443 for https and 80 otherwise; 0 when the port has no digits.
std::int32_t url_port(std::string_view address);
// Path and query from the "/" after the host, in the address's own case; "/" when there is none.
std::string url_path(std::string_view address);

}  // namespace vex
