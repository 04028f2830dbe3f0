// The version check: fetch the version page and read what it announces.
#pragma once
// <chrono> itself does not compile with GBK narrow literals; this brings
// the durations.
#include <condition_variable>

#include "online/release_statement.h"
#include "online/version_page.h"
#include "vexbox_config.h"

namespace vex::online {

// The page's whole exchange, from the click on, whatever its server does.
inline constexpr std::chrono::milliseconds kVersionPageDeadline{10000};

// Who an update is for: the program's own edition and the key (PEM) its
// releases must be signed with.
struct UpdateTrust {
  Text current = CURRENT_VERSION;
  Text publicKey = config::kUpdatePublicKey;
};

#ifdef _WIN32
// The release the page offers under `trust`: announcedRelease, and the
// statement's signature verifies with the key. With no key (a loopback
// build made without one) the signature is not asked for.
std::optional<ReleaseStatement> offeredRelease(const VersionInfo& info, const UpdateTrust& trust);

// The page's bytes through WinInet, loaded for the call; empty when nothing
// could be read, and when the page is longer than 1 MiB or has not ended by
// `deadline`. Blocks the calling thread for up to that long.
Bytes fetch_version_page(const Text& address, std::chrono::milliseconds deadline = kVersionPageDeadline);

// Fetches the page from `host`, replaces the fields of `info` and returns
// whether it offers an update to this program (offeredRelease).
bool fetch_version_info(VersionInfo& info, const Text& host = vex::config::kUpdateHost,
                        std::chrono::milliseconds deadline = kVersionPageDeadline,
                        const UpdateTrust& trust = {});
#endif

}  // namespace vex::online
