// The downloader's reading of a first response and of a download address,
// on arbitrary header values: no crash, and a plan it accepts always names
// a length it can hold the transfer to.
#include <string>

#include "fuzz_input.h"
#include "toolkit/download/download_plan.h"
#include "toolkit/download/download_url.h"

using namespace vex;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto p = fuzz::pieces(data, size, 4);
  const auto length = parseContentLength(p[0]);
  require(!length || *length >= 0);
  const auto range = parseContentRange(p[1]);
  require(!range || (range->first >= 0 && range->first <= range->last &&
                     (range->total == -1 || range->total > range->last)));

  FirstResponse first;
  const std::uint8_t pick = p[2].empty() ? 0 : static_cast<std::uint8_t>(p[2][0]);
  first.status = pick % 3 == 0 ? 200 : pick % 3 == 1 ? 206 : pick;
  first.contentLength = length;
  first.contentRange = range;
  const std::int64_t probe = (pick & 0x80) ? 0 : 262144;
  const ResponsePlan plan = judgeFirstResponse(first, probe);
  if (plan.failure == DownloadFailure::None) {
    require(plan.total && *plan.total > 0 && *plan.total <= kMaxDownloadBytes);
    require(!plan.ranged || (plan.probed > 0 && plan.probed <= *plan.total && plan.probed <= probe));
    require(judgeCompletion(plan.total, *plan.total) == DownloadFailure::None);
  }

  if (const auto url = splitDownloadUrl(p[3])) {
    require(!url->host.empty() && url->port > 0);
    require(!url->path.empty() && url->path[0] == '/');
    require(url->host.find_first_of(" /\\@#") == std::string::npos);
    require(url->path.find('#') == std::string::npos);
  }
  return 0;
}
