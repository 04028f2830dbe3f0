#include "online/release_statement.h"

#include <string>

#include "online/edition_order.h"
#include "toolkit/download/download_plan.h"

namespace vex::online {

namespace {

constexpr std::string_view kHead = "vexbox-release edition=";
constexpr std::string_view kLength = " length=";
constexpr std::string_view kSha256 = " sha256=";

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

Text releaseStatementText(const ReleaseStatement& release) {
  return Text(kHead) + release.edition + Text(kLength) + std::to_string(release.length) + Text(kSha256) +
         hexDigest(release.sha256);
}

std::optional<ReleaseStatement> parseReleaseStatement(std::string_view text) {
  if (text.substr(0, kHead.size()) != kHead) return std::nullopt;
  const std::size_t lengthAt = text.find(kLength, kHead.size());
  const std::size_t shaAt = text.find(kSha256, kHead.size());
  if (lengthAt == std::string_view::npos || shaAt == std::string_view::npos || shaAt < lengthAt)
    return std::nullopt;
  ReleaseStatement release;
  release.edition = Text(text.substr(kHead.size(), lengthAt - kHead.size()));
  if (!editionWellFormed(release.edition)) return std::nullopt;

  const std::string_view digits = text.substr(lengthAt + kLength.size(), shaAt - lengthAt - kLength.size());
  if (digits.empty() || digits.size() > 12) return std::nullopt;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    release.length = release.length * 10 + (c - '0');
  }
  if (release.length < 1 || release.length > kMaxDownloadBytes) return std::nullopt;

  const std::string_view hex = text.substr(shaAt + kSha256.size());
  if (hex.size() != 2 * release.sha256.size()) return std::nullopt;
  for (std::size_t i = 0; i < release.sha256.size(); ++i) {
    const int high = hexValue(hex[2 * i]), low = hexValue(hex[2 * i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    release.sha256[i] = static_cast<std::uint8_t>(high << 4 | low);
  }
  // One spelling per statement: a leading zero or anything else the
  // parts above let through does not come back the same.
  if (releaseStatementText(release) != text) return std::nullopt;
  return release;
}

std::optional<ReleaseStatement> announcedRelease(const VersionInfo& info, std::string_view current) {
  auto release = parseReleaseStatement(info.statement);
  if (!release || release->edition != info.edition || !editionNewer(release->edition, current))
    return std::nullopt;
  return release;
}

}  // namespace vex::online
