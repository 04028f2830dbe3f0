#include "toolkit/internet/fetch.h"

namespace vex {

Exchange fetch(InternetApi& api, const Request& r) {
  Exchange x;
  auto made = [&api](ScopedInternetHandle& slot, InternetHandle handle) {
    if (!handle) api.close(handle);
    slot = ScopedInternetHandle(handle, {&api});
    return handle != nullptr;
  };
  if (!made(x.root_, api.open(r.agent, r.access, r.proxy, r.proxyBypass, 0))) return x;
  for (const auto& [option, value] : r.rootOptions) api.setOption(x.root_.get(), option, value);
  if (!made(x.connection_, api.connect(x.root_.get(), r.host, r.port, inet::kServiceHttp, 0, 0))) return x;
  const std::uint32_t flags =
      r.flags | (r.secure ? inet::kFlagSecure : 0) | (r.followRedirects ? 0 : inet::kFlagNoAutoRedirect);
  if (!made(x.request_, api.openRequest(x.connection_.get(), r.verb, r.path, r.version, flags, 0))) return x;
  for (const auto& [option, value] : r.requestOptions) api.setOption(x.request_.get(), option, value);
  x.sent_ = api.sendRequest(x.request_.get(), r.headers, r.body);
  return x;
}

}  // namespace vex
