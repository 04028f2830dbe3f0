#include "toolkit/internet/url_parts.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "toolkit/common/gbk_text.h"

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

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text::matchesAt(text, 0, prefix, true);
}

}  // namespace

bool printableAddress(std::string_view address) {
  return std::none_of(address.begin(), address.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

std::string url_host(std::string_view address, bool keep_port) {
  std::string u = text::to_lower(address);
  if (text::right(u, 1) != "/") u += '/';
  std::string host;
  if (text::left(u, 8) == "https://") {
    host = text::between(u, "https://", "/");
  } else {
    if (text::find(u, "http://") == -1) u = "http://" + u;
    host = text::between(u, "http://", "/");
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

std::optional<WebAddress> splitWebAddress(std::string_view address) {
  if (!printableAddress(address)) return std::nullopt;
  const std::string_view rest = address.substr(0, address.find('#'));
  const bool secure = startsWithNoCase(rest, "https://");
  if (!secure && !startsWithNoCase(rest, "http://")) return std::nullopt;
  // The parts the request routine takes, where they can mean only one
  // thing: an ASCII host without a user, query or second colon, and no
  // blank or control byte.
  const std::string hostAndPort = url_host(rest, true);
  if (hostAndPort.find_first_of("?@\\") != std::string::npos ||
      text::find_last(hostAndPort, ":") != text::find(hostAndPort, ":"))
    return std::nullopt;
  for (char c : hostAndPort) {
    // A host name is ASCII; a byte from 0x80 on would also swallow the
    // next one, a "/" among them, as a two-byte character.
    if (static_cast<unsigned char>(c) <= ' ' || static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
  }
  WebAddress url{.secure = secure, .host = url_host(rest), .port = secure ? 443 : 80, .path = url_path(rest)};
  if (url.host.empty()) return std::nullopt;
  if (const int colon = text::find(hostAndPort, ":"); colon != -1) {
    const std::string digits = hostAndPort.substr(static_cast<std::size_t>(colon));
    if (!digits.empty()) {
      unsigned long port = 0;
      for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        port = port * 10 + static_cast<unsigned long>(c - '0');
        if (port > 65535) return std::nullopt;
      }
      if (port == 0) return std::nullopt;
      url.port = static_cast<std::int32_t>(port);
    }
  }
  return url;
}

std::optional<WebAddress> redirectTarget(const WebAddress& from, std::string_view location) {
  if (location.starts_with("//"))
    return splitWebAddress((from.secure ? "https:" : "http:") + std::string(location));
  if (startsWithNoCase(location, "http://") || startsWithNoCase(location, "https://"))
    return splitWebAddress(location);
  WebAddress to = from;
  if (location.starts_with("/")) {
    to.path = location;
  } else {
    const std::size_t slash = from.path.find_last_of('/', from.path.find('?'));
    to.path = (slash == std::string::npos ? std::string("/") : from.path.substr(0, slash + 1)) +
              std::string(location);
  }
  return to;
}

}  // namespace vex
