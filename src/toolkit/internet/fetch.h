// The one way a request of an online job is made: the root, connection and
// request handles, their options, the send and the redirects it leads to.
// The bounds of the whole exchange (deadline, idle limit, byte cap) belong
// to the job's BoundedInternet, which a download's ranges share; the
// redirect rule belongs to the request.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/common/unique.h"
#include "toolkit/internet/bounded_internet.h"
#include "toolkit/internet/url_parts.h"

namespace vex {

struct Request {
  std::string agent;
  std::uint32_t access = inet::kAccessDirect;
  std::optional<std::string> proxy{}, proxyBypass{};  // absent for direct access
  WebAddress address{};                               // secure adds kFlagSecure
  std::string verb = "GET";
  std::string version = "HTTP/1.1";
  std::uint32_t flags = 0;
  // A redirect with a Location is sent again (verb, headers and body as
  // they are) to where it leads, at most `maxRedirects` times; one more
  // ends the whole exchange (TransferEnd::Redirects). Without following,
  // the redirect is the response.
  bool followRedirects = true;
  int maxRedirects = 5;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> rootOptions{}, requestOptions{};
  std::string headers{};
  std::span<const std::uint8_t> body{};
};

// Closes a handle through the library that made it.
struct InternetClose {
  InternetApi* api = nullptr;
  void operator()(InternetHandle handle) const { api->close(handle); }
};
using ScopedInternetHandle = Unique<InternetHandle, InternetClose>;

// The handles of one request; the request goes first, then its
// connection, then the root.
class Exchange {
 public:
  bool opened() const { return static_cast<bool>(request_); }
  bool sent() const { return sent_; }
  InternetHandle request() const { return request_.get(); }
  void close() {
    request_.reset();
    connection_.reset();
    root_.reset();
  }

 private:
  friend Exchange fetch(BoundedInternet& net, const Request& request);
  ScopedInternetHandle root_, connection_, request_;
  bool sent_ = false;
};

// Opens, sets the options and sends, then follows the redirects the
// request allows. A handle the library could not make ends the fetch and
// is closed as well (null), as its callers always have; a redirect that
// cannot be followed leaves the last response open but not sent.
Exchange fetch(BoundedInternet& net, const Request& request);

}  // namespace vex
