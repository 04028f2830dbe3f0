// Whether a page's release may be offered: the statement verified with the
// built-in key through the system's own cryptography.
#include "online/version_check.h"
#include "toolkit/download/download_verify.h"

namespace vex::online {

std::optional<ReleaseStatement> offeredRelease(const VersionInfo& info, const UpdateTrust& trust) {
  auto release = announcedRelease(info, trust.current);
  if (!release) return std::nullopt;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(info.statement.data());
  if (!trust.publicKey.empty() &&
      !win::signedBy({bytes, info.statement.size()}, info.statementSignature, trust.publicKey))
    return std::nullopt;
  return release;
}

}  // namespace vex::online
