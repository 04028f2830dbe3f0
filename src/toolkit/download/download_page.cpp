#include "toolkit/download/download_page.h"

#include <algorithm>
#include <vector>

#include "toolkit/internet/fetch.h"
#include "toolkit/internet/internet_query.h"
#include "toolkit/internet/url_parts.h"

namespace vex::win {

Bytes downloadPage(InternetApi& api, const std::string& address, const PageFetch& how) {
  Bytes body;
  const auto url = splitWebAddress(address);
  if (!url) return body;
  BoundedInternet net(api, how.limits);
  const Exchange x = fetch(net, {.agent = kBrowserAgent,
                                 .address = *url,
                                 .version = "HTTP/1.0",
                                 .flags = inet::kFlagReload | inet::kFlagNoCacheWrite,
                                 .headers = "Accept: */*\r\n\r\n"});
  if (!x.sent()) return body;
  const std::string length = queryText(net, x.request(), inet::kQueryContentLength);
  const std::size_t bufferSize = how.bufferSize ? how.bufferSize(length) : 10240;
  std::vector<std::uint8_t> buffer(std::max<std::size_t>(bufferSize, 1));
  for (;;) {
    std::uint32_t got = 0;
    const bool ok = net.readFile(x.request(), buffer, got);
    body.insert(body.end(), buffer.begin(), buffer.begin() + got);
    if (!ok || got == 0) break;
  }
  if (net.ended() != TransferEnd::None) return {};
  return body;
}

}  // namespace vex::win
