#include "toolkit/internet/url_parts.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

struct Address {
  const char* address;
  const char* host;
  const char* hostWithPort;
  int port;
  const char* path;
};

const Address kAddresses[] = {
    {"http://Host:8080/A/b?c=1", "host", "host:8080", 8080, "/A/b?c=1"},
    {"https://Host/x", "host", "host", 443, "/x"},
    {"HTTPS://HOST", "host", "host", 443, "/"},
    {"host/x", "host", "host", 80, "/x"},
    {"http://host:abc/", "host", "host:abc", 0, "/"},
    {"http://host", "host", "host", 80, "/"},
    {"http://127.0.0.1:18631/stat.htm?id=1&p=http://127.0.0.1:18631&rnd=5", "127.0.0.1", "127.0.0.1:18631",
     18631, "/stat.htm?id=1&p=http://127.0.0.1:18631&rnd=5"},
    {"https://h:8443", "h", "h:8443", 8443, "/"},
    {"http://h: 42/", "h", "h: 42", 42, "/"},
    {"http://h:99999999999/", "h", "h:99999999999", 2147483647, "/"},
    {"", "", "", 80, "/"},
    // Hosts that also occur inside the scheme.
    {"http://h/x", "h", "h", 80, "/x"},
    {"HTTPS://tp:81/Q", "tp", "tp:81", 81, "/Q"},
};

TEST(UrlParts, SplitsHostPortAndPath) {
  for (const Address& a : kAddresses) {
    SCOPED_TRACE(a.address);
    EXPECT_EQ(url_host(a.address), a.host);
    EXPECT_EQ(url_host(a.address, true), a.hostWithPort);
    EXPECT_EQ(url_port(a.address), a.port);
    EXPECT_EQ(url_path(a.address), a.path);
  }
}

// The same reading where an address comes from a server: refused unless
// it can mean only one thing.
struct Strict {
  const char* address;
  bool secure;
  const char* host;  // null: refused
  int port;
  const char* path;
};

const Strict kStrict[] = {
    {"http://example.test/a/b.exe?x=1#frag", false, "example.test", 80, "/a/b.exe?x=1"},
    {"HTTPS://Host:8443", true, "host", 8443, "/"},
    {"http://h:/x", false, "h", 80, "/x"},
    {"", false, nullptr, 0, ""},
    {"host/x", false, nullptr, 0, ""},
    {"ftp://h/x", false, nullptr, 0, ""},
    {"http://", false, nullptr, 0, ""},
    {"http:///x", false, nullptr, 0, ""},
    {"#http://h/", false, nullptr, 0, ""},
    {"http://h:0/", false, nullptr, 0, ""},
    {"http://h:99999/", false, nullptr, 0, ""},
    {"http://h:8a/", false, nullptr, 0, ""},
    {"http://h: 42/", false, nullptr, 0, ""},
    {"http://a b/", false, nullptr, 0, ""},
    {"http://user:pw@127.0.0.1:8443/", false, nullptr, 0, ""},
    {"http://h?q", false, nullptr, 0, ""},
    {"http://[::1]:80/", false, nullptr, 0, ""},
    {"http://h\\x/", false, nullptr, 0, ""},
    {"https://use\xF2/1/x", false, nullptr, 0, ""},
    {"http://h/a\r\nX-Injected: 1", false, nullptr, 0, ""},
    {"http://h/a#\x7F", false, nullptr, 0, ""},
};

TEST(UrlParts, ServerAddressesOnlyWhereTheyMeanOneThing) {
  for (const Strict& a : kStrict) {
    SCOPED_TRACE(a.address);
    const auto url = splitWebAddress(a.address);
    ASSERT_EQ(url.has_value(), a.host != nullptr);
    if (!url) continue;
    EXPECT_EQ(url->secure, a.secure);
    EXPECT_EQ(url->host, a.host);
    EXPECT_EQ(url->port, a.port);
    EXPECT_EQ(url->path, a.path);
  }
}

}  // namespace
}  // namespace vex
