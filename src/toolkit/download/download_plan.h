// How a download is split over connections and how a response is judged.
// Portable, so the rules are tested without a network.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/download/download_task.h"

namespace vex {

// The largest file a task accepts: an announced length above it ends the
// task before a byte is written (the program is a few megabytes).
inline constexpr std::int64_t kMaxDownloadBytes = std::int64_t{64} << 20;

struct ByteRange {
  std::int64_t first = 0;
  std::int64_t last = 0;  // inclusive
  std::int64_t size() const { return last - first + 1; }
  bool operator==(const ByteRange&) const = default;
};

// Consecutive ranges covering [0, length), at most `connections` of them and
// none smaller than `minRange` (except when the whole file is). Empty for a
// length of 0 or less.
std::vector<ByteRange> planRanges(std::int64_t length, int connections, std::int64_t minRange);

struct ContentRange {
  std::int64_t first = 0;
  std::int64_t last = 0;
  std::int64_t total = -1;  // -1 for "*"
};

// "bytes 0-99/1000" (as in a Content-Range header).
std::optional<ContentRange> parseContentRange(const std::string& value);

// A Content-Length value; nothing when absent, negative or not a number.
std::optional<std::int64_t> parseContentLength(const std::string& value);

// What the first response says about the whole download.
struct FirstResponse {
  int status = 0;
  std::optional<std::int64_t> contentLength;
  std::optional<ContentRange> contentRange;
};

struct ResponsePlan {
  DownloadFailure failure = DownloadFailure::None;
  bool ranged = false;                // the server honoured the probe range
  std::optional<std::int64_t> total;  // length of the whole file when known
  std::int64_t probed = 0;            // bytes the first response carries when ranged
};

// With `probeBytes` above 0 the first request asked for "bytes=0-(probeBytes-1)".
// A bounded probe, not "bytes=0-": WinInet may read a body it was not asked
// for to its end before it lets go of the request. A 206 must answer with
// the range from byte 0, cut at the end of the file, and a known total; a
// 200 means the server ignores ranges and sends the whole file, and must
// say how long it is. Either total must stay within kMaxDownloadBytes.
ResponsePlan judgeFirstResponse(const FirstResponse& response, std::int64_t probeBytes);

// The end of a transfer: a file is complete only when it is not empty and
// holds exactly the announced number of bytes; without an announced length
// nothing is complete.
DownloadFailure judgeCompletion(std::optional<std::int64_t> total, std::int64_t received);

}  // namespace vex
