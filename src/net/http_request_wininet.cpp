// http_request through the system's own internet library.
#include "net/http_request.h"
#include "toolkit/internet/wininet_api.h"

namespace vex {

Bytes http_request(std::string_view url, const HttpRequestArgs& args) {
  WinInetApi api;
  return http_request(api, url, args);
}

}  // namespace vex
