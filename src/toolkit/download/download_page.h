// One GET of a small page into memory, the old-fashioned way: HTTP/1.0,
// always from the server, never cached, and bounded in size and time.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

#include "toolkit/common/embedded.h"

namespace vex::win {

struct PageFetch {
  std::string agent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
  // Read buffer size from the raw Content-Length text ("" when missing).
  std::function<std::size_t(const std::string& contentLength)> bufferSize;
  // A silent server must not freeze the caller for minutes.
  int connectTimeoutMs = 3000;
  int sendTimeoutMs = 3000;
  int receiveTimeoutMs = 5000;
  // The whole exchange, however the server paces its bytes.
  int deadlineMs = 10000;
  // A longer body is no page of ours.
  std::size_t maxBytes = std::size_t{1} << 20;
};

// The body bytes read until a read returns 0 bytes; on a failed call, the
// bytes read so far (empty when none). A body above `maxBytes`, or one not
// ended by `deadlineMs`, gives nothing at all.
Bytes downloadPage(const std::string& address, const PageFetch& how);

}  // namespace vex::win
