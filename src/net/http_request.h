// One complete HTTP or HTTPS exchange through the system's internet
// library. Failures give an empty body; nothing is kept between calls.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/common/embedded.h"
#include "toolkit/internet/bounded_internet.h"

namespace vex {

// The optional arguments. An in argument is given when it holds a value; an
// in/out or out argument is given when it points at the caller's variable,
// and when it is not given the request works on a scratch variable.
struct HttpRequestArgs {
  std::optional<std::int32_t> method{};  // 0 GET .. 7 CONNECT; others mean GET
  std::optional<std::string> form_text{};
  std::string* send_cookies = nullptr;  // in/out: overwritten by the merged cookies
  std::string* got_cookies = nullptr;   // out
  std::string* headers = nullptr;       // in/out: becomes the header block sent
  std::string* got_headers = nullptr;   // out: raw response headers
  std::optional<bool> no_redirect{};
  Bytes* form_bytes = nullptr;  // in/out: filled from form_text for a body-carrying method
  std::optional<std::string> proxy{};
  std::optional<bool> auto_merge_cookies{};
  std::optional<bool> complete_headers{};
  std::optional<bool> fix_header_case{};
};

inline constexpr const char* kDefaultAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

// Within the bounds of `net`: its deadline and byte cap cover the request
// and every redirect it follows.
Bytes http_request(BoundedInternet& net, std::string_view url, const HttpRequestArgs& args = {});

#ifdef _WIN32
// Through WinInet, loaded for the call, within 30 s and 1 MiB.
Bytes http_request(std::string_view url, const HttpRequestArgs& args = {});
#endif

}  // namespace vex
