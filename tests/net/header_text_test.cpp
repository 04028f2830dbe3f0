#include <gtest/gtest.h>

#include "net/header_names.h"
#include "net/set_cookies.h"

namespace vex {
namespace {

TEST(NormalizeHeaderNames, CapitalisesEachDashPieceAndKeepsTheRest) {
  EXPECT_EQ(normalize_header_names("accept-language: zh-cn"), "Accept-Language: zh-cn");
  EXPECT_EQ(normalize_header_names("ACCEPT: x"), "ACCEPT: x");
  EXPECT_EQ(normalize_header_names("x-forwarded-for: a-b"), "X-Forwarded-For: a-b");
  EXPECT_EQ(normalize_header_names("referer:http://h/a-b"), "Referer:http://h/a-b");
  EXPECT_EQ(normalize_header_names("Referer:http://127.0.0.1:18631"), "Referer:http://127.0.0.1:18631");
  EXPECT_EQ(normalize_header_names("a--b: 1"), "A--B: 1");
  EXPECT_EQ(normalize_header_names("x-: 1"), "X-: 1");
  EXPECT_EQ(normalize_header_names("1a: 1"), "1a: 1");
}

TEST(NormalizeHeaderNames, DropsEmptyLinesAndLinesWithoutColon) {
  EXPECT_EQ(normalize_header_names("a: 1\r\n\r\nnocolon\r\nb: 2\r\n"), "A: 1\r\nB: 2");
  EXPECT_EQ(normalize_header_names("nocolon"), "");
  EXPECT_EQ(normalize_header_names(""), "");
}

TEST(CollectSetCookies, TakesTheFirstPairOfEachExactSetCookieLine) {
  EXPECT_EQ(
      collect_set_cookies("HTTP/1.1 200 OK\r\nSet-Cookie: sid=9; path=/\r\nSet-Cookie: lang=en\r\n\r\n"),
      "sid=9; lang=en");
  EXPECT_EQ(collect_set_cookies("HTTP/1.1 200 OK\r\nset-cookie: x=1\r\nSET-COOKIE: y=2\r\n"), "");
  EXPECT_EQ(collect_set_cookies("Set-Cookie:x=1\r\nX-Set-Cookie: y=1\r\n"), "");
  EXPECT_EQ(collect_set_cookies("Set-Cookie:  a=1 ;HttpOnly"), "a=1");
  EXPECT_EQ(collect_set_cookies(""), "");
  EXPECT_EQ(collect_set_cookies(std::string(5000, ' ')), "");
}

TEST(CollectSetCookies, RemovesEverySetCookieWordIgnoringCaseWhenThereIsNoSemicolon) {
  EXPECT_EQ(collect_set_cookies("Set-Cookie: v=set-cookie:z"), "v=z");
  EXPECT_EQ(collect_set_cookies("Set-Cookie: b=deleted"), "b=deleted");
}

}  // namespace
}  // namespace vex
