// The maker's signed statement of one release: which file (its SHA-256 and
// length) is published as which edition. The signature covers this one
// text, so neither the edition nor the file can be swapped for another
// release's without breaking it.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "online/version_page.h"
#include "toolkit/download/download_digest.h"

namespace vex::online {

struct ReleaseStatement {
  Text edition;
  std::int64_t length = 0;
  Sha256Digest sha256{};
};

// The one spelling that is signed:
// "vexbox-release edition=2.2 length=2203648 sha256=<64 lower-case hex>".
Text releaseStatementText(const ReleaseStatement& release);

// Nothing unless `text` is exactly that spelling of a well-formed edition and
// a length of 1 byte to kMaxDownloadBytes.
std::optional<ReleaseStatement> parseReleaseStatement(std::string_view text);

// The release the page announces to a program of edition `current`: its
// statement reads, names the page's edition byte for byte, and that edition
// is newer than `current`. The statement's signature is not checked here.
std::optional<ReleaseStatement> announcedRelease(const VersionInfo& info, std::string_view current);

}  // namespace vex::online
