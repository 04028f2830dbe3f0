// One GET of a small page into memory, the old-fashioned way: HTTP/1.0,
// always from the server, never cached, and bounded in size and time.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

#include "toolkit/common/embedded.h"
#include "toolkit/internet/bounded_internet.h"

namespace vex::win {

// The agent the page fetch and the downloader both name.
inline constexpr char kBrowserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

struct PageFetch {
  // Read buffer size from the raw Content-Length text ("" when missing).
  std::function<std::size_t(const std::string& contentLength)> bufferSize;
  // The whole exchange, however the server paces its bytes; a longer body
  // is no page of ours.
  TransferLimits limits{.deadline = std::chrono::seconds(10),
                        .maxBodyBytes = std::size_t{1} << 20,
                        .connectTimeoutMs = 3000,
                        .sendTimeoutMs = 3000,
                        .receiveTimeoutMs = 5000};
};

// The body bytes read until a read returns 0 bytes; on a failed call, the
// bytes read so far (empty when none). A body above the byte cap, one not
// ended by the deadline, or an address with control bytes gives nothing.
Bytes downloadPage(InternetApi& api, const std::string& address, const PageFetch& how);

}  // namespace vex::win
