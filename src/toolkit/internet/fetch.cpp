#include "toolkit/internet/fetch.h"

#include "toolkit/internet/internet_query.h"

namespace vex {

namespace {

bool isRedirect(int status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool made(InternetApi& api, ScopedInternetHandle& slot, InternetHandle handle) {
  if (!handle) api.close(handle);
  slot = ScopedInternetHandle(handle, {&api});
  return handle != nullptr;
}

}  // namespace

Exchange fetch(BoundedInternet& net, const Request& r) {
  Exchange x;
  if (!made(net, x.root_, net.open(r.agent, r.access, r.proxy, r.proxyBypass, 0))) return x;
  for (const auto& [option, value] : r.rootOptions) net.setOption(x.root_.get(), option, value);
  WebAddress at = r.address;
  for (int redirects = 0;; ++redirects) {
    // The library never follows a redirect itself: it would without end.
    const std::uint32_t flags = r.flags | inet::kFlagNoAutoRedirect | (at.secure ? inet::kFlagSecure : 0);
    ScopedInternetHandle connection, request;
    if (!made(net, connection, net.connect(x.root_.get(), at.host, at.port, inet::kServiceHttp, 0, 0)) ||
        !made(net, request, net.openRequest(connection.get(), r.verb, at.path, r.version, flags, 0)))
      return x;
    for (const auto& [option, value] : r.requestOptions) net.setOption(request.get(), option, value);
    x.request_ = std::move(request);
    x.connection_ = std::move(connection);
    x.sent_ = net.sendRequest(x.request(), r.headers, r.body);
    if (!x.sent_ || !r.followRedirects || !isRedirect(queryStatus(net, x.request()))) return x;
    const std::string location = queryText(net, x.request(), inet::kQueryLocation);
    if (location.empty()) return x;
    x.sent_ = false;
    // Without a bound a page that sends a client to itself is asked for
    // again as fast as the line allows.
    if (redirects >= r.maxRedirects) {
      net.end(TransferEnd::Redirects);
      return x;
    }
    if (!printableAddress(location)) {
      net.end(TransferEnd::BadAddress);
      return x;
    }
    const auto next = redirectTarget(at, location);
    if (!next) return x;
    at = *next;
  }
}

}  // namespace vex
