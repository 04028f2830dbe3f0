// The version check: fetch the version page and read what it announces.
#pragma once
#include "online/version_page.h"
#include "vexbox_config.h"

namespace vex::online {

// The page's bytes; empty when nothing could be read. Bounded by time-outs
// of a few seconds so a silent server cannot freeze the windows.
Bytes fetch_version_page(const Text& address);

// Fetches the page from `host`, replaces the fields of `info` and returns
// whether a new version is announced.
bool fetch_version_info(VersionInfo& info, const Text& host = vex::config::kUpdateHost);

}  // namespace vex::online
