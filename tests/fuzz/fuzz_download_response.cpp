// The downloader's reading of a first response and of a download address,
// on arbitrary header values: no crash, and a plan it accepts always names
// a length it can hold the transfer to. Then a page fetch through servers
// whose every answer redirects to an arbitrary Location: a bounded number
// of requests, and no control byte ever reaches a request.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "toolkit/download/download_page.h"
#include "toolkit/download/download_plan.h"
#include "toolkit/internet/fetch.h"
#include "toolkit/internet/url_parts.h"

using namespace vex;
using fuzz::require;

namespace {

// Answers every request with a redirect to the next of `locations`.
class RedirectingApi final : public InternetApi {
 public:
  explicit RedirectingApi(std::vector<std::string> locations) : locations_(std::move(locations)) {}
  int sent = 0;

  InternetHandle open(const std::string&, std::uint32_t, const std::optional<std::string>&,
                      const std::optional<std::string>&, std::uint32_t) override {
    return next();
  }
  InternetHandle connect(InternetHandle, const std::string& host, std::int32_t, std::uint32_t, std::uint32_t,
                         std::uintptr_t) override {
    require(printableAddress(host));
    return next();
  }
  InternetHandle openRequest(InternetHandle, const std::string&, const std::string& path, const std::string&,
                             std::uint32_t flags, std::uintptr_t) override {
    require(printableAddress(path) && (flags & inet::kFlagNoAutoRedirect) != 0);
    return next();
  }
  bool setOption(InternetHandle, std::uint32_t, std::uint32_t) override { return true; }
  bool sendRequest(InternetHandle, const std::string&, std::span<const std::uint8_t>) override {
    ++sent;
    return true;
  }
  bool readFile(InternetHandle, std::span<std::uint8_t>, std::uint32_t& read) override {
    read = 0;
    return true;
  }
  bool queryInfo(InternetHandle, std::uint32_t level, std::span<char> buffer,
                 std::uint32_t& length) override {
    std::string value;
    if (level == inet::kQueryStatusCode) value = "302";
    if (level == inet::kQueryLocation)
      value = locations_[static_cast<std::size_t>(sent - 1) % locations_.size()];
    if (value.empty() || value.size() + 1 > buffer.size()) return false;
    std::copy(value.begin(), value.end(), buffer.begin());
    buffer[value.size()] = '\0';
    length = static_cast<std::uint32_t>(value.size());
    return true;
  }
  void close(InternetHandle) override {}

 private:
  InternetHandle next() { return reinterpret_cast<InternetHandle>(++handles_ * 16); }
  std::vector<std::string> locations_;
  std::uintptr_t handles_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto p = fuzz::pieces(data, size, 6);
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

  if (const auto url = splitWebAddress(p[3])) {
    require(!url->host.empty() && url->port > 0);
    require(!url->path.empty() && url->path[0] == '/');
    require(url->host.find_first_of(" /\\@#") == std::string::npos);
    require(url->path.find('#') == std::string::npos);
  }

  RedirectingApi api({p[4].empty() ? std::string("/") : p[4], p[5].empty() ? std::string("/") : p[5]});
  win::PageFetch how;
  win::downloadPage(api, "http://127.0.0.1/" + p[4], how);
  require(api.sent <= 1 + Request{}.maxRedirects);
  return 0;
}
