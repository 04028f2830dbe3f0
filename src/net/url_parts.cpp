#include "net/url_parts.h"

#include <cstdint>
#include <limits>

#include "net/text_extract.h"
#include "net/text_ops.h"

namespace vex {
namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Leading white space, an optional sign, decimal digits; 0 without digits.
// Saturates instead of overflowing.
std::int32_t leadingInteger(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && isSpace(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    value = value * 10 + (s[i] - '0');
    if (value > kLimit + 1) value = kLimit + 1;
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(value > kLimit ? kLimit : value);
}

}  // namespace

std::string url_host(std::string_view address, bool keep_port) {
  std::string u = text::to_lower(address);
  if (text::right(u, 1) != "/") u += '/';
  std::string host;
  if (text::left(u, 8) == "https://") {
    host = text_between(u, "https://", "/");
  } else {
    if (text::find(u, "http://") == -1) u = "http://" + u;
    host = text_between(u, "http://", "/");
  }
  if (keep_port) return host;
  const int p = text::find(host, ":");
  return p == -1 ? host : text::left(host, p - 1);
}

std::int32_t url_port(std::string_view address) {
  const std::string h = url_host(address, true);
  const int p = text::find_last(h, ":");
  if (p == -1) return text::left(text::to_lower(address), 5) == "https" ? 443 : 80;
  return leadingInteger(text::right(h, text::length(h) - p));
}

std::string url_path(std::string_view address) {
  const std::string h = url_host(address);
  // Look for the host after a leading scheme: a host such as "t" or "p"
  // would otherwise be found inside "http" and put the scheme in the path.
  const std::string scheme = text::to_lower(text::left(address, 8));
  const int from = scheme == "https://" ? 9 : text::left(scheme, 7) == "http://" ? 8 : 1;
  const int a = text::find(address, h, from, true);
  const int b = text::find(address, "/", a < 1 ? 1 : a, true);
  if (b == -1) return "/";
  return text::right(address, text::length(address) - b + 1);
}

}  // namespace vex
