#include "online/usage_beacon.h"

#include <gtest/gtest.h>

#include "../net/recording_internet_api.h"
#include "net/url_parts.h"
#include "vexbox_config.h"

namespace vex {
namespace {

TEST(UsageBeacon, AddressHasTheQueryKeysInOrderAndTheMakerSiteVerbatim) {
  const std::string expected =
      std::string("http://") + config::kCounterHost + "/stat.htm?id=" + config::kSiteId +
      "&r=&iw=1&showp=0x0&lg=undefined&vemo_eid=none&p=" + config::kMakerSite + "&rnd=1575691200000";
  EXPECT_EQ(usage_beacon_url("1575691200000"), expected);
  EXPECT_NE(usage_beacon_url("1").find(std::string("&p=") + config::kMakerSite + "&rnd="), std::string::npos);
}

TEST(UsageBeacon, SendsOneDirectGetWithRefererAndCompletedHeaders) {
  testing::RecordingInternetApi api;
  send_usage_beacon(api);
  ASSERT_TRUE(api.sent.has_value());
  EXPECT_EQ(api.opened->agent, "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)");
  EXPECT_EQ(api.opened->access, 1u);
  const std::string url = usage_beacon_url("");
  EXPECT_EQ(api.connected->host, url_host(url));
  EXPECT_EQ(api.connected->port, url_port(url));
  EXPECT_EQ(api.requested->verb, "GET");
  EXPECT_EQ(api.requested->flags, 0x80004010u);
  const std::string& object = api.requested->object;
  const std::string prefix = url.substr(url.find("/stat.htm"));
  ASSERT_EQ(object.substr(0, prefix.size()), prefix);
  const std::string rnd = object.substr(prefix.size());
  EXPECT_EQ(rnd.size(), 13u);
  EXPECT_EQ(rnd.find_first_not_of("0123456789"), std::string::npos);
  EXPECT_EQ(api.sent->headers,
            std::string("Referer:") + config::kMakerSite + "\r\nAccept: */*\r\nAccept-Language: zh-cn");
  EXPECT_TRUE(api.sent->body.empty());
}

}  // namespace
}  // namespace vex
