#include "net/http_request.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/text_ops.h"
#include "recording_internet_api.h"
#include "toolkit/internet/bounded_internet.h"

namespace vex {
namespace {

using testing::RecordingInternetApi;
using Calls = std::vector<std::string>;

Bytes bytesOf(std::string_view s) { return Bytes(s.begin(), s.end()); }

// As the program makes a request: within a bounded exchange, whose
// time-outs the library sees as well.
Bytes http_request(RecordingInternetApi& api, std::string_view url, const HttpRequestArgs& args = {}) {
  BoundedInternet net(api, {});
  return vex::http_request(net, url, args);
}

TEST(HttpRequestMethod, OutOfRangeNumbersSendGet) {
  const std::vector<std::pair<int, std::string>> verbs = {
      {0, "GET"},   {1, "POST"},    {2, "HEAD"}, {3, "PUT"}, {4, "OPTIONS"}, {5, "DELETE"},
      {6, "TRACE"}, {7, "CONNECT"}, {8, "GET"},  {9, "GET"}, {-1, "GET"}};
  for (const auto& [method, verb] : verbs) {
    RecordingInternetApi api;
    http_request(api, "http://h/", {.method = method});
    EXPECT_EQ(api.requested->verb, verb) << method;
  }
}

// The library never follows a redirect itself, whatever the caller chose.
TEST(HttpRequestFlags, FollowSchemeAndCookies) {
  struct Case {
    const char* url;
    bool cookies, noRedirect;
    std::uint32_t flags;
  };
  const Case cases[] = {
      {"http://h/", false, false, 0x80204010},  {"https://h/", false, false, 0x80A00010},
      {"HTTPS://h/", false, false, 0x80A00010}, {"http://h/", true, false, 0x80284010},
      {"http://h/", false, true, 0x80204010},   {"https://h/", true, true, 0x80A80010},
      {"h/x", false, false, 0x80204010},
  };
  for (const Case& c : cases) {
    RecordingInternetApi api;
    std::string cookies;  // given though empty: still no automatic cookies
    http_request(api, c.url, {.send_cookies = c.cookies ? &cookies : nullptr, .no_redirect = c.noRedirect});
    EXPECT_EQ(api.requested->flags, c.flags) << c.url << " cookies " << c.cookies;
  }
}

TEST(HttpRequestCalls, UseTheLibraryInOrderWithTheFixedArguments) {
  RecordingInternetApi api;
  api.rawHeaders = std::string("HTTP/1.1 200 OK\r\n\r\n");
  http_request(api, "http://Host:8080/A/b?c=1");
  // Each handle gets the three time-outs first; the status is asked for
  // whether the answer redirects.
  EXPECT_EQ(api.calls, (Calls{"open",      "setOption", "setOption", "setOption",   "connect",
                              "setOption", "setOption", "setOption", "openRequest", "setOption",
                              "setOption", "setOption", "setOption", "sendRequest", "queryInfo",
                              "readFile",  "queryInfo", "close",     "close",       "close"}));
  EXPECT_EQ(api.opened->agent, kDefaultAgent);
  EXPECT_EQ(api.opened->access, 1u);
  EXPECT_FALSE(api.opened->proxy.has_value());
  EXPECT_FALSE(api.opened->bypass.has_value());
  EXPECT_EQ(api.opened->flags, 0u);
  EXPECT_EQ(api.connected->host, "host");
  EXPECT_EQ(api.connected->port, 8080);
  EXPECT_EQ(api.connected->service, 3u);
  EXPECT_EQ(api.connected->flags, 0u);
  EXPECT_EQ(api.connected->context, 0u);
  EXPECT_EQ(api.requested->object, "/A/b?c=1");
  EXPECT_EQ(api.requested->version, "HTTP/1.1");
  EXPECT_EQ(api.requested->context, 0u);
  ASSERT_EQ(api.options.size(), 10u);
  EXPECT_EQ(api.options[9].handle, RecordingInternetApi::request());
  EXPECT_EQ(api.options[9].option, 31u);
  EXPECT_EQ(api.options[9].value, 0x0001F380u);
  EXPECT_EQ(api.closed,
            (std::vector<InternetHandle>{RecordingInternetApi::request(), RecordingInternetApi::connection(),
                                         RecordingInternetApi::root()}));
}

// The redirect rule: each Location is read against the address that gave
// it, at most five are followed, and one with control bytes goes nowhere.
TEST(HttpRequestRedirects, AreFollowedFromWhereTheyLeadWithinTheRule) {
  struct Case {
    std::vector<std::string> redirects;
    bool noRedirect;
    std::vector<std::string> visited;
    TransferEnd end;
  };
  const std::string again = "/a/again";
  const Case cases[] = {
      {{"http://g:81/x/y?q=/z", "w", "//k/m", "/n"},
       false,
       {"h:80/a/b", "g:81/x/y?q=/z", "g:81/x/w", "k:80/m", "k:80/n"},
       TransferEnd::None},
      {{"HTTPS://s/t", "u"}, false, {"h:80/a/b", "s:443/t", "s:443/u"}, TransferEnd::None},
      {{"x"}, true, {"h:80/a/b"}, TransferEnd::None},
      {{again, again, again, again, again},
       false,
       {"h:80/a/b", again, again, again, again, again},
       TransferEnd::None},
      {{again, again, again, again, again, again},
       false,
       {"h:80/a/b", again, again, again, again, again},
       TransferEnd::Redirects},
      {{"/p\r\nX-Injected: 1"}, false, {"h:80/a/b"}, TransferEnd::BadAddress},
      {{"http://g:0/"}, false, {"h:80/a/b"}, TransferEnd::None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.redirects.back());
    RecordingInternetApi api;
    api.redirects = c.redirects;
    api.responseBody = bytesOf("body");
    BoundedInternet net(api, {});
    const Bytes body = vex::http_request(net, "http://h/a/b", {.no_redirect = c.noRedirect});
    std::vector<std::string> visited = c.visited;
    for (std::string& v : visited) {
      if (v.starts_with("/")) v = "h:80" + v;
    }
    EXPECT_EQ(api.visited, visited);
    EXPECT_EQ(net.ended(), c.end);
    // A redirect that cannot be followed is read as the answer it is.
    EXPECT_EQ(body.empty(), c.end != TransferEnd::None);
  }
}

TEST(HttpRequestCalls, ProxyIsNamedWithHttpFormForPlainAddressesOnly) {
  RecordingInternetApi plain;
  http_request(plain, "http://h/", {.proxy = "127.0.0.1:3128"});
  EXPECT_EQ(plain.opened->access, 3u);
  EXPECT_EQ(plain.opened->proxy, "http=127.0.0.1:3128");
  EXPECT_EQ(plain.opened->bypass, "");

  RecordingInternetApi secure;
  http_request(secure, "https://h/", {.proxy = "127.0.0.1:3128"});
  EXPECT_EQ(secure.opened->access, 3u);
  EXPECT_EQ(secure.opened->proxy, "127.0.0.1:3128");
  EXPECT_EQ(secure.opened->bypass, "");

  RecordingInternetApi empty;
  http_request(empty, "http://h/", {.proxy = ""});
  EXPECT_EQ(empty.opened->access, 1u);
  EXPECT_FALSE(empty.opened->proxy.has_value());
}

TEST(HttpRequestFailure, ClosesWhatWasOpenedAndLeavesTheCallersVariables) {
  const InternetHandle none = nullptr;
  struct Case {
    bool open, connect, request;
    std::vector<InternetHandle> closed;
  };
  const Case cases[] = {
      {true, false, false, {none}},
      {false, true, false, {none, RecordingInternetApi::root()}},
      {false, false, true, {none, RecordingInternetApi::connection(), RecordingInternetApi::root()}},
  };
  for (const Case& c : cases) {
    RecordingInternetApi api;
    api.failOpen = c.open;
    api.failConnect = c.connect;
    api.failRequest = c.request;
    api.responseBody = bytesOf("never read");
    std::string headers = "X-A: 1", gotCookies = "keep=1", gotHeaders = "keep";
    const Bytes body = http_request(
        api, "http://h/", {.got_cookies = &gotCookies, .headers = &headers, .got_headers = &gotHeaders});
    EXPECT_TRUE(body.empty());
    EXPECT_EQ(api.closed, c.closed);
    EXPECT_FALSE(api.sent.has_value());
    EXPECT_EQ(headers, "X-A: 1");
    EXPECT_EQ(gotCookies, "keep=1");
    EXPECT_EQ(gotHeaders, "keep");
  }
}

TEST(HttpRequestAgent, ComesFromTheCallersHeaders) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", kDefaultAgent},
      {"User-Agent: Probe/1.0 \r\nAccept: */*", "Probe/1.0"},
      {"X: 1\r\nUser-Agent:Probe", "Probe"},
      // Found ignoring case, but taken only under its exact name.
      {"user-agent: low\r\nX: 1", "low\r\nX: 1"},
      {"X-Referer: a\r\nUser-Agent:\r\nAccept: */*", "a\r\nUser-Agent:\r\nAccept: */*"},
  };
  for (const auto& [headers, agent] : cases) {
    RecordingInternetApi api;
    std::string h = headers;
    http_request(api, "http://h/", {.headers = &h});
    EXPECT_EQ(api.opened->agent, agent) << headers;
    const std::string firstLine = text::to_lower(headers.substr(0, headers.find("\r\n")));
    EXPECT_NE(text::to_lower(h).find(firstLine), std::string::npos) << "the agent line is sent as well";
  }
}

TEST(HttpRequestHeaders, AreCompletedInOrder) {
  struct Case {
    int method;
    std::string given, sent;
  };
  const Case cases[] = {
      {0, "", "Accept: */*\r\nReferer: http://h/p\r\nAccept-Language: zh-cn"},
      {1, "",
       "Accept: */*\r\nReferer: http://h/p\r\nAccept-Language: zh-cn\r\n"
       "Content-Type: application/x-www-form-urlencoded"},
      {0, "Referer:http://m.example", "Referer:http://m.example\r\nAccept: */*\r\nAccept-Language: zh-cn"},
      {0, "X-Accept: 1", "X-Accept: 1\r\nReferer: http://h/p\r\nAccept-Language: zh-cn"},
      {1, "content-type: text/plain\r\nACCEPT: a/b\r\nreferer: r\r\naccept-language: en",
       "Content-Type: text/plain\r\nACCEPT: a/b\r\nReferer: r\r\nAccept-Language: en"},
      {3, "", "Accept: */*\r\nReferer: http://h/p\r\nAccept-Language: zh-cn"},
  };
  for (const Case& c : cases) {
    RecordingInternetApi api;
    std::string headers = c.given;
    http_request(api, "http://h/p", {.method = c.method, .headers = &headers});
    EXPECT_EQ(api.sent->headers, c.sent) << c.given;
    EXPECT_EQ(headers, c.sent) << "the caller gets the block that was sent";
  }
}

TEST(HttpRequestHeaders, CaseFixingDropsLinesWithoutColonAndCanBeTurnedOff) {
  RecordingInternetApi fixed;
  std::string headers = "x-a: 1\r\n\r\nbroken\r\nx-b: 2";
  http_request(fixed, "http://h/", {.headers = &headers, .complete_headers = false});
  EXPECT_EQ(fixed.sent->headers, "X-A: 1\r\nX-B: 2");

  RecordingInternetApi raw;
  headers = "x-a: 1\r\n\r\nbroken";
  http_request(raw, "http://h/", {.headers = &headers, .complete_headers = false, .fix_header_case = false});
  EXPECT_EQ(raw.sent->headers, "x-a: 1\r\n\r\nbroken");
}

TEST(HttpRequestHeaders, CookieLineIsAddedAfterCaseFixing) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a=1", "Accept: */*\r\nCookie: a=1"},
      {"Cookie: a=1", "Accept: */*\r\nCookie: a=1"},
      {"cookie: a=1", "Accept: */*\r\nCookie: cookie: a=1"},
  };
  for (const auto& [cookies, sent] : cases) {
    RecordingInternetApi api;
    std::string sendCookies = cookies, headers = "accept: */*";
    http_request(api, "http://h/",
                 {.send_cookies = &sendCookies,
                  .headers = &headers,
                  .auto_merge_cookies = false,
                  .complete_headers = false});
    EXPECT_EQ(api.sent->headers, sent) << cookies;
  }
}

TEST(HttpRequestBody, GetSendsNoBodyOthersSendFormBytesOrFormText) {
  RecordingInternetApi get;
  Bytes getBytes;
  http_request(get, "http://h/", {.form_text = "a=1", .form_bytes = &getBytes});
  EXPECT_TRUE(get.sent->body.empty());
  EXPECT_TRUE(getBytes.empty()) << "GET leaves form_bytes alone";

  RecordingInternetApi post;
  Bytes postBytes;
  http_request(post, "http://h/", {.method = 1, .form_text = "a=1&b=2", .form_bytes = &postBytes});
  EXPECT_EQ(post.sent->body, bytesOf("a=1&b=2"));
  EXPECT_EQ(postBytes, bytesOf("a=1&b=2")) << "form_bytes is filled from form_text";

  RecordingInternetApi bytes;
  Bytes given = {0, 1, 2, 0xFF};
  http_request(bytes, "http://h/", {.method = 3, .form_text = "ignored", .form_bytes = &given});
  EXPECT_EQ(bytes.sent->body, (Bytes{0, 1, 2, 0xFF}));
}

TEST(HttpRequestBody, IsReadIn1024ByteChunksUntilAReadOfZero) {
  RecordingInternetApi api;
  for (int i = 0; i < 5000; ++i) api.responseBody.push_back(static_cast<std::uint8_t>(i * 7));
  api.maxRead = 700;
  EXPECT_EQ(http_request(api, "http://h/"), api.responseBody);
  for (std::uint32_t size : api.readSizes) EXPECT_EQ(size, 1024u);
  EXPECT_EQ(api.readSizes.size(), 5000u / 700 + 2);
}

TEST(HttpRequestResponse, CollectsSetCookiesAndRawHeaders) {
  RecordingInternetApi api;
  api.rawHeaders =
      "HTTP/1.1 200 OK\r\nSet-Cookie: sid=9; path=/\r\nset-cookie: x=1\r\nSet-Cookie: lang=en\r\n\r\n";
  std::string gotCookies = "stale", gotHeaders;
  http_request(api, "http://h/", {.got_cookies = &gotCookies, .got_headers = &gotHeaders});
  EXPECT_EQ(gotCookies, "sid=9; lang=en");
  EXPECT_EQ(gotHeaders, *api.rawHeaders);
  EXPECT_EQ(api.queryBufferSizes, (std::vector<std::uint32_t>{5000}));
}

TEST(HttpRequestResponse, HeaderBlockLongerThanTheFirstBufferKeepsItsCookies) {
  RecordingInternetApi api;
  api.rawHeaders =
      "HTTP/1.1 200 OK\r\nX-Pad: " + std::string(6000, 'p') + "\r\nSet-Cookie: late=1; path=/\r\n\r\n";
  std::string gotCookies, gotHeaders;
  http_request(api, "http://h/", {.got_cookies = &gotCookies, .got_headers = &gotHeaders});
  EXPECT_EQ(gotHeaders, *api.rawHeaders);
  EXPECT_EQ(gotCookies, "late=1");
  EXPECT_EQ(api.queryBufferSizes,
            (std::vector<std::uint32_t>{5000, static_cast<std::uint32_t>(api.rawHeaders->size() + 2)}));
}

TEST(HttpRequestResponse, FailedHeaderQueryLeavesTheSpaceBuffer) {
  RecordingInternetApi api;
  std::string gotCookies = "stale", gotHeaders;
  http_request(api, "http://h/", {.got_cookies = &gotCookies, .got_headers = &gotHeaders});
  EXPECT_EQ(gotHeaders, std::string(5000, ' '));
  EXPECT_EQ(gotCookies, "");
}

TEST(HttpRequestCookies, MergeRunsWhenSendCookiesWasGiven) {
  RecordingInternetApi api;
  api.rawHeaders = "HTTP/1.1 200 OK\r\nSet-Cookie: b=3\r\nSet-Cookie: c=deleted\r\n";
  std::string sendCookies = "a=1; b=2; c=0", gotCookies;
  http_request(api, "http://h/", {.send_cookies = &sendCookies, .got_cookies = &gotCookies});
  EXPECT_EQ(gotCookies, "b=3; a=1");
  EXPECT_EQ(sendCookies, "b=3; a=1");

  RecordingInternetApi off;
  off.rawHeaders = api.rawHeaders;
  sendCookies = "a=1";
  http_request(off, "http://h/",
               {.send_cookies = &sendCookies, .got_cookies = &gotCookies, .auto_merge_cookies = false});
  EXPECT_EQ(gotCookies, "b=3; c=deleted");
  EXPECT_EQ(sendCookies, "a=1");

  RecordingInternetApi notGiven;
  notGiven.rawHeaders = api.rawHeaders;
  http_request(notGiven, "http://h/", {.got_cookies = &gotCookies});
  EXPECT_EQ(gotCookies, "b=3; c=deleted");
}

}  // namespace
}  // namespace vex
