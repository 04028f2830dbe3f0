// Splits a download address into what a connection needs.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace vex {

struct DownloadUrl {
  bool secure = false;  // https
  std::string host;
  std::uint16_t port = 80;
  std::string path = "/";  // with the query; never empty
};

// Accepts "http://" and "https://" addresses (scheme in any case), with an
// optional ":port" and an optional "user@" part (dropped). Everything from
// the first "#" on is ignored. Anything else gives nothing.
std::optional<DownloadUrl> splitDownloadUrl(const std::string& address);

}  // namespace vex
