// The version check: fetch the version page and read what it announces.
#pragma once
#include "online/version_page.h"
#include "vexbox_config.h"

namespace vex::online {

// The page's bytes; empty when nothing could be read, and when the page is
// longer than 1 MiB or has not ended after 10 s (however its server paces
// it). Blocks the calling thread for up to that long.
Bytes fetch_version_page(const Text& address);

// Fetches the page from `host`, replaces the fields of `info` and returns
// whether a new version is announced.
bool fetch_version_info(VersionInfo& info, const Text& host = vex::config::kUpdateHost);

}  // namespace vex::online
