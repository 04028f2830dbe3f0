#include "online/version_check.h"

#include "toolkit/download/download_page.h"

namespace vex::online {

Bytes fetch_version_page(InternetApi& api, const Text& address, std::chrono::milliseconds deadline) {
  win::PageFetch how;
  how.bufferSize = versionReadBufferSize;
  how.limits.deadline = deadline;
  return win::downloadPage(api, address, how);
}

}  // namespace vex::online
