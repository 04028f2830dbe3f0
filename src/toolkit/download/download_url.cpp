#include "toolkit/download/download_url.h"

#include <cctype>

namespace vex {

namespace {

bool startsWithNoCase(const std::string& text, const char* prefix) {
  std::size_t i = 0;
  for (; prefix[i] != '\0'; ++i) {
    if (i >= text.size()) return false;
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<DownloadUrl> splitDownloadUrl(const std::string& address) {
  std::string rest = address.substr(0, address.find('#'));
  DownloadUrl url;
  if (startsWithNoCase(rest, "http://")) {
    rest.erase(0, 7);
  } else if (startsWithNoCase(rest, "https://")) {
    rest.erase(0, 8);
    url.secure = true;
    url.port = 443;
  } else {
    return std::nullopt;
  }
  const std::size_t slash = rest.find_first_of("/?");
  std::string authority = rest.substr(0, slash);
  if (slash != std::string::npos) {
    url.path = rest.substr(slash);
    if (url.path[0] == '?') url.path = "/" + url.path;
  }
  if (const std::size_t at = authority.rfind('@'); at != std::string::npos) authority.erase(0, at + 1);
  if (const std::size_t colon = authority.rfind(':'); colon != std::string::npos) {
    const std::string digits = authority.substr(colon + 1);
    authority.erase(colon);
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
  if (authority.empty()) return std::nullopt;
  for (char c : authority) {
    if (static_cast<unsigned char>(c) <= ' ' || c == '\\') return std::nullopt;
  }
  url.host = authority;
  return url;
}

}  // namespace vex
