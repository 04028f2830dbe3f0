#include "toolkit/internet/url_parts.h"

#include <cstdint>
#include <limits>

namespace vex {
namespace {

// Texts are GBK: a byte from 0x80 on starts a two-byte character, so a
// search steps over whole characters and never matches inside one; a
// text ends at its first NUL. Positions are 1-based, -1 for none.

std::string_view cut(std::string_view text) { return text.substr(0, text.find('\0')); }

std::size_t width(std::string_view t, std::size_t i) {
  return static_cast<unsigned char>(t[i]) >= 0x80 && i + 1 < t.size() ? 2 : 1;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool matchesAt(std::string_view t, std::size_t i, std::string_view part, bool ignoreCase) {
  if (part.size() > t.size() - i) return false;
  for (std::size_t k = 0; k < part.size(); ++k) {
    if (ignoreCase ? lower(t[i + k]) != lower(part[k]) : t[i + k] != part[k]) return false;
  }
  return true;
}

int find(std::string_view text, std::string_view part, int start = 1, bool ignoreCase = false) {
  const std::string_view t = cut(text), p = cut(part);
  if (start < 1) start = 1;
  if (static_cast<std::size_t>(start) > t.size()) return -1;
  if (p.empty()) return 1;
  for (std::size_t i = static_cast<std::size_t>(start) - 1; i < t.size(); i += width(t, i)) {
    if (matchesAt(t, i, p, ignoreCase)) return static_cast<int>(i) + 1;
  }
  return -1;
}

int findLast(std::string_view text, std::string_view part) {
  const std::string_view t = cut(text), p = cut(part);
  int last = -1;
  for (std::size_t i = 0; i < t.size(); i += width(t, i)) {
    if (matchesAt(t, i, p, false)) last = static_cast<int>(i) + 1;
  }
  return last;
}

// ASCII letters only; the bytes of a two-byte character stay as they are.
std::string toLower(std::string_view text) {
  const std::string_view t = cut(text);
  std::string out(t);
  for (std::size_t i = 0; i < t.size(); i += width(t, i)) {
    if (width(t, i) == 1) out[i] = lower(t[i]);
  }
  return out;
}

std::string left(std::string_view text, int n) {
  return n <= 0 ? std::string() : std::string(cut(text).substr(0, static_cast<std::size_t>(n)));
}

std::string right(std::string_view text, int n) {
  const std::string_view t = cut(text);
  if (n <= 0) return {};
  return std::string(t.substr(t.size() - std::min<std::size_t>(static_cast<std::size_t>(n), t.size())));
}

int length(std::string_view text) { return static_cast<int>(cut(text).size()); }

// The text between the first `leftDelimiter` and the next `rightDelimiter`.
std::string between(std::string_view text, std::string_view leftDelimiter, std::string_view rightDelimiter) {
  const int p1 = find(text, leftDelimiter);
  if (p1 == -1) return {};
  const long long s = static_cast<long long>(p1) + length(leftDelimiter);
  if (s > length(text)) return {};
  const int p2 = find(text, rightDelimiter, static_cast<int>(s));
  if (p2 == -1) return {};
  if (p2 - s <= 0) return {};
  return std::string(cut(text).substr(static_cast<std::size_t>(s) - 1, static_cast<std::size_t>(p2 - s)));
}

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
  return text.size() >= prefix.size() && matchesAt(text, 0, prefix, true);
}

}  // namespace

std::string url_host(std::string_view address, bool keep_port) {
  std::string u = toLower(address);
  if (right(u, 1) != "/") u += '/';
  std::string host;
  if (left(u, 8) == "https://") {
    host = between(u, "https://", "/");
  } else {
    if (find(u, "http://") == -1) u = "http://" + u;
    host = between(u, "http://", "/");
  }
  if (keep_port) return host;
  const int p = find(host, ":");
  return p == -1 ? host : left(host, p - 1);
}

std::int32_t url_port(std::string_view address) {
  const std::string h = url_host(address, true);
  const int p = findLast(h, ":");
  if (p == -1) return left(toLower(address), 5) == "https" ? 443 : 80;
  return leadingInteger(right(h, length(h) - p));
}

std::string url_path(std::string_view address) {
  const std::string h = url_host(address);
  // Look for the host after a leading scheme: a host such as "t" or "p"
  // would otherwise be found inside "http" and put the scheme in the path.
  const std::string scheme = toLower(left(address, 8));
  const int from = scheme == "https://" ? 9 : left(scheme, 7) == "http://" ? 8 : 1;
  const int a = find(address, h, from, true);
  const int b = find(address, "/", a < 1 ? 1 : a, true);
  if (b == -1) return "/";
  return right(address, length(address) - b + 1);
}

std::optional<WebAddress> splitWebAddress(std::string_view address) {
  const std::string_view rest = address.substr(0, address.find('#'));
  const bool secure = startsWithNoCase(rest, "https://");
  if (!secure && !startsWithNoCase(rest, "http://")) return std::nullopt;
  // The parts the request routine takes, where they can mean only one
  // thing: no user, query or second colon in the host, no control bytes.
  const std::string hostAndPort = url_host(rest, true);
  if (hostAndPort.find_first_of("?@\\") != std::string::npos ||
      findLast(hostAndPort, ":") != find(hostAndPort, ":"))
    return std::nullopt;
  for (char c : hostAndPort) {
    if (static_cast<unsigned char>(c) <= ' ') return std::nullopt;
  }
  WebAddress url{.secure = secure,
                 .host = url_host(rest),
                 .port = static_cast<std::uint16_t>(secure ? 443 : 80),
                 .path = url_path(rest)};
  if (url.host.empty()) return std::nullopt;
  if (const int colon = find(hostAndPort, ":"); colon != -1) {
    const std::string digits = hostAndPort.substr(static_cast<std::size_t>(colon));
    if (!digits.empty()) {
      unsigned long port = 0;
      for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        port = port * 10 + static_cast<unsigned long>(c - '0');
        if (port > 65535) return std::nullopt;
      }
      if (port == 0) return std::nullopt;
      url.port = static_cast<std::uint16_t>(port);
    }
  }
  return url;
}

}  // namespace vex
