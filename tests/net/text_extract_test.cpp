#include "net/text_extract.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

TEST(TextBetween, TakesTheTextBetweenTheFirstDelimiters) {
  EXPECT_EQ(text_between("k=[v]", "[", "]"), "v");
  EXPECT_EQ(text_between("k=[v]", "[", ")"), "");
  EXPECT_EQ(text_between("k=[v]", "(", "]"), "");
  EXPECT_EQ(text_between("k=[]", "[", "]"), "");
  EXPECT_EQ(text_between("[a][b]", "[", "]"), "a");
  EXPECT_EQ(text_between("[a][b]", "[", "]", 2), "b");
  EXPECT_EQ(text_between("[a][b]", "[", "]", -3), "a");
  EXPECT_EQ(text_between("<A>x</a>", "<a>", "</A>", 1, true), "x");
  EXPECT_EQ(text_between("<A>x</a>", "<a>", "</A>"), "");
  EXPECT_EQ(text_between("ab[", "[", "]"), "");
}

TEST(TextBetween, QuoteWordStandsForADoubleQuote) {
  EXPECT_EQ(text_between("href=\"/x\" id", "href=#引号", "#引号"), "/x");
  EXPECT_EQ(text_between("href=#引号/x#引号", "href=#引号", "#引号"), "");
}

TEST(TextAfterColon, TakesEverythingAfterTheFirstColonTrimmed) {
  EXPECT_EQ(text_after_colon("User-Agent:  X "), "X");
  EXPECT_EQ(text_after_colon("a: b: c"), "b: c");
  EXPECT_EQ(text_after_colon("no colon"), "");
  EXPECT_EQ(text_after_colon("end:"), "");
}

TEST(TextBefore, MeasuresFromTheStartOfTheText) {
  EXPECT_EQ(text_before("Set-Cookie: a=1", ": "), "Set-Cookie");
  EXPECT_EQ(text_before("a:b:c", ":", 3), "a:b");
  EXPECT_EQ(text_before("abc", ":"), "");
  EXPECT_EQ(text_before(":abc", ":"), "");
  EXPECT_EQ(text_before("aXb", "x", 1, true), "a");
}

}  // namespace
}  // namespace vex
