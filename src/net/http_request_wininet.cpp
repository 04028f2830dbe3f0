// http_request through the system's own internet library, bounded as every
// online exchange of the program is.
#include "net/http_request.h"
#include "toolkit/internet/bounded_internet.h"
#include "toolkit/internet/wininet_api.h"

namespace vex {

Bytes http_request(std::string_view url, const HttpRequestArgs& args) {
  WinInetApi wininet;
  BoundedInternet api(wininet, {.deadline = std::chrono::seconds(30)});
  return http_request(api, url, args);
}

}  // namespace vex
