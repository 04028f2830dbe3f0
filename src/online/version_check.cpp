#include "online/version_check.h"

#include "toolkit/download/download_page.h"

namespace vex::online {

Bytes fetch_version_page(const Text& address) {
  win::PageFetch how;
  how.bufferSize = versionReadBufferSize;
  return win::downloadPage(address, how);
}

bool fetch_version_info(VersionInfo& info, const Text& host) {
  info = parseVersionPage(versionPageText(fetch_version_page(versionPageAddress(host))));
  return announcesNewVersion(info);
}

}  // namespace vex::online
