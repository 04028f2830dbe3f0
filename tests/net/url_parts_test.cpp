#include "net/url_parts.h"

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

}  // namespace
}  // namespace vex
