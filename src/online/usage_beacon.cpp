#include "online/usage_beacon.h"

#include "net/http_request.h"
#include "online/timestamp_text.h"
#include "vexbox_config.h"

namespace vex {

std::string usage_beacon_url(const std::string& timestamp) {
  std::string url = "http://";
  url += config::kCounterHost;
  url += "/stat.htm?id=";
  url += config::kSiteId;
  url += "&r=&iw=1&showp=0x0&lg=undefined&vemo_eid=none&p=";
  url += config::kMakerSite;
  url += "&rnd=";
  url += timestamp;
  return url;
}

std::string usage_beacon_headers() { return std::string("Referer:") + config::kMakerSite; }

void send_usage_beacon(BoundedInternet& net) {
  const std::string url = usage_beacon_url(timestamp_text());
  std::string headers = usage_beacon_headers();
  http_request(net, url, {.headers = &headers});
}

}  // namespace vex
