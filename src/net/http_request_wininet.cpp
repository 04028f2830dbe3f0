// http_request through the system's own internet library, bounded as every
// online exchange of the program is.
#include "net/http_request.h"
#include "toolkit/internet/wininet_api.h"

namespace vex {

Bytes http_request(std::string_view url, const HttpRequestArgs& args) {
  WinInetApi wininet;
  BoundedInternet net(wininet, {.deadline = std::chrono::seconds(30)});
  return http_request(net, url, args);
}

}  // namespace vex
