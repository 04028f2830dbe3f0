// The pieces of an address that a request needs. Only "http://" and
// "https://" count as schemes. Texts are GBK.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vex {

// The request routine's reading, which takes any text: a bare host is
// taken as http.
// The host in lower case, with its ":port" suffix when keep_port is true.
std::string url_host(std::string_view address, bool keep_port = false);
// The explicit port, else 443 for https and 80 otherwise; 0 when the port has no digits.
std::int32_t url_port(std::string_view address);
// Path and query from the "/" after the host, in the address's own case; "/" when there is none.
std::string url_path(std::string_view address);

// True when every byte is printable: no control bytes (C0, DEL), which
// would end a request line or start a header of the server's choosing.
bool printableAddress(std::string_view address);

struct WebAddress {
  bool secure = false;  // https
  std::string host;
  std::int32_t port = 80;  // 1 to 65535 from a server's address
  std::string path = "/";  // with the query; never empty
};

// The same reading where only one meaning is possible, for the addresses
// the program takes from a server (a download, a redirect's Location):
// "http://" or "https://" (in any case), an ASCII host without a user,
// query or second colon, and a port of 1 to 65535 when one is written. Everything
// from the first "#" on is ignored, but no control byte is taken anywhere.
// Anything else gives nothing.
std::optional<WebAddress> splitWebAddress(std::string_view address);

// Where a redirect's Location leads from `from`: an absolute address (a
// "//host" one in from's scheme) as splitWebAddress reads it, a path from
// the root, or a path relative to from's folder.
std::optional<WebAddress> redirectTarget(const WebAddress& from, std::string_view location);

}  // namespace vex
