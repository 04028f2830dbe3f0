// The version check through the system's internet library.
#include "online/version_check.h"
#include "toolkit/download/download_page.h"
#include "toolkit/internet/wininet_api.h"

namespace vex::online {

Bytes fetch_version_page(const Text& address, std::chrono::milliseconds deadline) {
  WinInetApi api;
  win::PageFetch how;
  how.bufferSize = versionReadBufferSize;
  how.limits.deadline = deadline;
  return win::downloadPage(api, address, how);
}

bool fetch_version_info(VersionInfo& info, const Text& host, std::chrono::milliseconds deadline,
                        const UpdateTrust& trust) {
  info = parseVersionPage(versionPageText(fetch_version_page(versionPageAddress(host), deadline)));
  return offeredRelease(info, trust).has_value();
}

}  // namespace vex::online
