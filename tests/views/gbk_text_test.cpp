#include "views/gbk_text.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

TEST(GbkText, FindsWholeCharactersOnly) {
  // "、、" is A1 A2 A1 A2; the pair A2 A1 straddles the two characters.
  const Text joined = "\xA1\xA2\xA1\xA2";
  EXPECT_TRUE(gbkContains(joined, "\xA1\xA2"));
  EXPECT_FALSE(gbkContains(joined, "\xA2\xA1"));
  EXPECT_TRUE(gbkContains("铸星龙王、仙灵女巫", "仙灵女巫"));
  EXPECT_FALSE(gbkContains("铸星龙王", "龙王女"));
  EXPECT_TRUE(gbkContains("abc", ""));
  EXPECT_FALSE(gbkContains("", "a"));
  // A lone lead byte at the end is still searched byte-wise.
  EXPECT_TRUE(gbkContains("a\x81", "\x81"));
}

TEST(GbkText, DecimalOrZeroAcceptsDigitsOnly) {
  EXPECT_EQ(decimalOrZero("83"), 83);
  EXPECT_EQ(decimalOrZero("7"), 7);
  for (const char* bad : {"", "-1", " 8", "8 ", "x", "12a", "1234567890"})
    EXPECT_EQ(decimalOrZero(bad), 0) << bad;
}

}  // namespace
}  // namespace vex
