#include "net/cookie_merge.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

struct Merge {
  const char* oldCookies;
  const char* newCookies;
  const char* merged;
};

const Merge kMerges[] = {
    {"a=1; b=2", "b=3", "b=3; a=1"},
    {"a=1; b=2", "b=deleted", "a=1"},
    {"a=1", "", "a=1"},
    {"", "x=1; x=1", "x=1"},
    {"a=1; a=2", "", "a=1"},
    {"A=1", "a=2", "a=2; A=1"},
    {"k = v", "", "k=v"},
    {"", "", ""},
    {"a=1;", "c=deleted; d=4", "d=4; a=1"},
    {"flag; a=1", "flag", "flag; a=1"},
};

TEST(MergeCookies, NewerWinsDeletedGoDuplicatesDrop) {
  for (const Merge& m : kMerges) {
    SCOPED_TRACE(std::string(m.oldCookies) + " | " + m.newCookies);
    std::string oldCookies = m.oldCookies;
    std::string newCookies = m.newCookies;
    EXPECT_EQ(merge_cookies(oldCookies, newCookies), m.merged);
    EXPECT_EQ(oldCookies, m.merged);
  }
}

TEST(MergeCookies, WritesTheBlankFreeNewCookiesBack) {
  std::string oldCookies = "a=1";
  std::string newCookies =
      " b = 2 ;\xA1\xA1"
      "c=3";
  merge_cookies(oldCookies, newCookies);
  EXPECT_EQ(newCookies, "b=2;c=3");
}

TEST(CookieNames, AreTrimmedAndCaseSensitive) {
  EXPECT_EQ(cookie_name(" sid =9"), "sid");
  EXPECT_EQ(cookie_name(" flag "), "flag");
  EXPECT_EQ(cookie_name("a=b=c"), "a");
  TextList entries{"a=1", "B=2"};
  EXPECT_TRUE(has_cookie_named(entries, "B"));
  EXPECT_FALSE(has_cookie_named(entries, "b"));
}

TEST(JoinUnique, KeepsTheFirstOfEachExactPiece) {
  EXPECT_EQ(join_unique("a; b; a; c; b", "; "), "a; b; c");
  EXPECT_EQ(join_unique("a=1; a=2", "; "), "a=1; a=2");
  EXPECT_EQ(join_unique("", "; "), "");
  EXPECT_EQ(join_unique("x", ","), "x");
}

}  // namespace
}  // namespace vex
