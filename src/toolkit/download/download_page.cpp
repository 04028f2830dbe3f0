#include "toolkit/download/download_page.h"

#include <algorithm>
#include <vector>

#include "toolkit/download/download_url.h"
#include "toolkit/internet/internet_query.h"

namespace vex::win {

Bytes downloadPage(InternetApi& api, const std::string& address, const PageFetch& how) {
  Bytes body;
  const auto url = splitDownloadUrl(address);
  if (!url || !printableAddress(address)) return body;
  BoundedInternet net(api, how.limits);
  ScopedInternetHandle session(net, net.open(how.agent, inet::kAccessDirect, std::nullopt, std::nullopt, 0));
  if (!session) return body;
  ScopedInternetHandle connection(net,
                                  net.connect(session.get(), url->host, url->port, inet::kServiceHttp, 0, 0));
  if (!connection) return body;
  std::uint32_t flags = inet::kFlagReload | inet::kFlagNoCacheWrite;
  if (url->secure) flags |= inet::kFlagSecure;
  ScopedInternetHandle request(net,
                               net.openRequest(connection.get(), "GET", url->path, "HTTP/1.0", flags, 0));
  if (!request || !net.sendRequest(request.get(), "Accept: */*\r\n\r\n", {})) return body;
  const std::string length = queryText(net, request.get(), inet::kQueryContentLength);
  const std::size_t bufferSize = how.bufferSize ? how.bufferSize(length) : 10240;
  std::vector<std::uint8_t> buffer(std::max<std::size_t>(bufferSize, 1));
  for (;;) {
    std::uint32_t got = 0;
    const bool ok = net.readFile(request.get(), buffer, got);
    body.insert(body.end(), buffer.begin(), buffer.begin() + got);
    if (!ok || got == 0) break;
  }
  if (net.ended() != TransferEnd::None) return {};
  return body;
}

}  // namespace vex::win
