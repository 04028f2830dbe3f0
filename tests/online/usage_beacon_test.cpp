#include "online/usage_beacon.h"

#include <gtest/gtest.h>

#include "../net/recording_internet_api.h"
#include "net/http_request.h"
#include "toolkit/internet/bounded_internet.h"
#include "toolkit/internet/url_parts.h"
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
  {
    BoundedInternet net(api, {});
    send_usage_beacon(net);
  }
  ASSERT_TRUE(api.sent.has_value());
  EXPECT_EQ(api.opened->agent, "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)");
  EXPECT_EQ(api.opened->access, 1u);
  const std::string url = usage_beacon_url("");
  EXPECT_EQ(api.connected->host, url_host(url));
  EXPECT_EQ(api.connected->port, url_port(url));
  EXPECT_EQ(api.requested->verb, "GET");
  EXPECT_EQ(api.requested->flags, 0x80204010u);
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

// A counter that never stops sending: every read fills the buffer.
class EndlessBody final : public InternetApi {
 public:
  InternetHandle open(const std::string& a, std::uint32_t t, const std::optional<std::string>& p,
                      const std::optional<std::string>& b, std::uint32_t f) override {
    return inner.open(a, t, p, b, f);
  }
  InternetHandle connect(InternetHandle r, const std::string& h, std::int32_t p, std::uint32_t s,
                         std::uint32_t f, std::uintptr_t c) override {
    return inner.connect(r, h, p, s, f, c);
  }
  InternetHandle openRequest(InternetHandle c, const std::string& v, const std::string& o,
                             const std::string& ver, std::uint32_t f, std::uintptr_t x) override {
    return inner.openRequest(c, v, o, ver, f, x);
  }
  bool setOption(InternetHandle h, std::uint32_t o, std::uint32_t v) override {
    return inner.setOption(h, o, v);
  }
  bool sendRequest(InternetHandle r, const std::string& h, std::span<const std::uint8_t> d) override {
    return inner.sendRequest(r, h, d);
  }
  bool readFile(InternetHandle, std::span<std::uint8_t> buffer, std::uint32_t& read) override {
    std::fill(buffer.begin(), buffer.end(), 'x');
    read = static_cast<std::uint32_t>(buffer.size());
    offered += buffer.size();
    return true;
  }
  bool queryInfo(InternetHandle r, std::uint32_t l, std::span<char> b, std::uint32_t& n) override {
    return inner.queryInfo(r, l, b, n);
  }
  void close(InternetHandle h) override { inner.close(h); }

  testing::RecordingInternetApi inner;
  std::size_t offered = 0;
};

TEST(UsageBeacon, EndlessReplyStopsAtTheBodyBound) {
  EndlessBody endless;
  const std::uint64_t cap = TransferLimits{}.maxBodyBytes;
  {
    BoundedInternet api(endless, {});
    std::string headers = usage_beacon_headers();
    const Bytes body = http_request(api, usage_beacon_url("1"), {.headers = &headers});
    EXPECT_EQ(body.size(), cap);
    // One byte past the cap tells that there is more; then the request is closed.
    EXPECT_EQ(endless.offered, cap + 1);
    EXPECT_EQ(api.ended(), TransferEnd::TooLarge);
    EXPECT_NE(std::find(endless.inner.closed.begin(), endless.inner.closed.end(),
                        testing::RecordingInternetApi::request()),
              endless.inner.closed.end());
  }
  // The next exchange starts with a fresh allowance.
  BoundedInternet api(endless, {});
  EXPECT_EQ(http_request(api, usage_beacon_url("2")).size(), cap);
}

}  // namespace
}  // namespace vex
