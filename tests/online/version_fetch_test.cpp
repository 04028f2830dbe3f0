#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "../support/loopback_server.h"
#include "online/version_check.h"

namespace vex::online {
namespace {

using test::LoopbackServer;
using test::Reply;

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

const std::string kPage =
    "[start][edition]2.2[/edition][dowload]http://h/new.exe[/dowload][update]N[/update][end]";

TEST(VersionFetch, SendsAnOldStyleUncachedGet) {
  LoopbackServer server;
  server.serve(kVersionPagePath, {.body = bytesOf(kPage)});
  EXPECT_EQ(fetch_version_page(server.url(kVersionPagePath) + "#ignored"), bytesOf(kPage));
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  const std::string& r = requests[0].head;
  EXPECT_EQ(r.rfind("GET /vexbox/Version.html HTTP/1.0\r\n", 0), 0u) << r;
  EXPECT_NE(r.find("User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"), std::string::npos)
      << r;
  EXPECT_NE(r.find("Accept: */*\r\n"), std::string::npos) << r;
  EXPECT_EQ(r.find("#ignored"), std::string::npos);
}

TEST(VersionFetch, ReadsTheWholeBodyWhateverContentLengthSays) {
  LoopbackServer server;
  const Bytes body = bytesOf(kPage);
  auto check = [&](const char* name, Reply file, const Bytes& expected) {
    SCOPED_TRACE(name);
    server.serve("/p", std::move(file));
    EXPECT_EQ(fetch_version_page(server.url("/p")), expected);
  };
  check("present", {.body = body, .acceptRanges = false}, body);
  check("absent", {.body = body, .acceptRanges = false, .sendLength = false}, body);
  check("too large", {.body = body, .acceptRanges = false, .announcedLength = 5000}, body);
  // A length shorter than the body: WinInet may stop there or read on to the
  // close; either way the bytes are the page's own, from its start.
  server.serve("/p", {.body = body, .acceptRanges = false, .announcedLength = 10});
  const Bytes shortRead = fetch_version_page(server.url("/p"));
  EXPECT_GE(shortRead.size(), 10u);
  EXPECT_LE(shortRead.size(), body.size());
  EXPECT_TRUE(std::equal(shortRead.begin(), shortRead.end(), body.begin()));
}

TEST(VersionFetch, PageLongerThanTheBufferIsReadWhole) {
  LoopbackServer server;
  std::string page(250000, 'x');
  page += "[start][edition]2.3[/edition][end]";
  for (bool length : {true, false}) {
    server.serve(kVersionPagePath, {.body = bytesOf(page), .acceptRanges = false, .sendLength = length});
    EXPECT_EQ(fetch_version_page(server.url(kVersionPagePath)).size(), page.size());
    VersionInfo info;
    EXPECT_TRUE(fetch_version_info(info, "127.0.0.1:" + std::to_string(server.port())));
    EXPECT_EQ(info.edition, "2.3");
  }
}

TEST(VersionFetch, FillsVersionInfoAndComparesWithTheCurrentVersion) {
  LoopbackServer server;
  const std::string host = "127.0.0.1:" + std::to_string(server.port());
  VersionInfo info;
  server.serve(kVersionPagePath, {.body = bytesOf(kPage)});
  EXPECT_TRUE(fetch_version_info(info, host));
  EXPECT_EQ(info.edition, "2.2");
  EXPECT_EQ(info.download, "http://h/new.exe");
  EXPECT_EQ(info.update, "N");

  server.serve(kVersionPagePath, {.body = bytesOf("[start][edition]2.1[/edition][end]")});
  EXPECT_FALSE(fetch_version_info(info, host));
  EXPECT_EQ(info.download, "");  // every parse replaces every field

  std::string withNul = "[start][edition]2.2[/edition]";
  withNul += '\0';
  withNul += "[end]";
  server.serve(kVersionPagePath, {.body = bytesOf(withNul)});
  EXPECT_FALSE(fetch_version_info(info, host));
  EXPECT_EQ(info.edition, "");

  server.serve(kVersionPagePath, {.body = bytesOf(kPage), .status = 404});
  EXPECT_TRUE(fetch_version_info(info, host));  // the page text is parsed whatever the status
}

TEST(VersionFetch, NoServerGivesNothingQuickly) {
  VersionInfo info;
  info.edition = "old";
  const DWORD before = GetTickCount();
  EXPECT_FALSE(fetch_version_info(info, "127.0.0.1:1"));
  EXPECT_LT(GetTickCount() - before, 6000u);
  EXPECT_EQ(info.edition, "");
}

TEST(VersionFetch, SilentServerIsGivenUpAfterAFewSeconds) {
  LoopbackServer server;
  server.serve(kVersionPagePath, {.fault = test::Fault::Stall, .body = bytesOf(kPage)});
  const DWORD before = GetTickCount();
  EXPECT_TRUE(fetch_version_page(server.url(kVersionPagePath)).empty());
  const DWORD spent = GetTickCount() - before;
  EXPECT_LT(spent, 12000u);
}

TEST(VersionFetch, PageAboveTheSizeBoundGivesNothing) {
  LoopbackServer server;
  std::string page = "[start][edition]2.3[/edition][end]";
  page.resize((std::size_t{1} << 20) + 1, 'x');
  for (bool length : {true, false}) {
    SCOPED_TRACE(length);
    server.serve(kVersionPagePath, {.body = bytesOf(page), .acceptRanges = false, .sendLength = length});
    EXPECT_TRUE(fetch_version_page(server.url(kVersionPagePath)).empty());
  }
  page.resize(std::size_t{1} << 20);
  server.serve(kVersionPagePath, {.body = bytesOf(page), .acceptRanges = false, .sendLength = false});
  EXPECT_EQ(fetch_version_page(server.url(kVersionPagePath)).size(), page.size());
}

TEST(VersionFetch, TricklingServerIsGivenUpAtTheDeadline) {
  LoopbackServer server;
  // Five bytes a second: every read gets a byte long before a time-out.
  server.serve(kVersionPagePath, {.body = bytesOf(kPage), .acceptRanges = false, .bytesPerSecond = 5});
  const DWORD before = GetTickCount();
  EXPECT_TRUE(fetch_version_page(server.url(kVersionPagePath), std::chrono::milliseconds(1500)).empty());
  const DWORD spent = GetTickCount() - before;
  std::printf("trickling page given up after %lu ms\n", static_cast<unsigned long>(spent));
  EXPECT_GE(spent, 1400u);
  EXPECT_LT(spent, 4000u);
}

}  // namespace
}  // namespace vex::online
