#include "online/timestamp_text.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

TEST(TimestampText, CountsSecondsFromLocalEightOClockOn1970) {
  const OleDate noon = ole_date(2019, 12, 7, 12, 0, 0);
  EXPECT_EQ(timestamp_text({.date_time = noon}), "1575691200000");
  EXPECT_EQ(timestamp_text({.date_time = noon, .seconds_only = true}), "1575691200");
  EXPECT_EQ(timestamp_text({.date_time = noon, .seconds_only = true, .pad = true}), "1575691200");
}

TEST(TimestampText, ReferenceInstantGivesZero) {
  const OleDate reference = ole_date(1970, 1, 1, 8, 0, 0);
  EXPECT_EQ(timestamp_text({.date_time = reference}), "0000");
  EXPECT_EQ(timestamp_text({.date_time = reference, .seconds_only = true, .pad = true}), "0000000000");
  EXPECT_EQ(timestamp_text({.date_time = reference, .seconds_only = true}), "0");
  EXPECT_EQ(timestamp_text({.date_time = reference, .pad = true}), "0000000000000");
}

TEST(TimestampText, MillisecondsArePaddedToThreeDigitsAndSecondsTruncate) {
  const OleDate date = ole_date(2019, 12, 7, 12, 0, 1, 999);
  EXPECT_EQ(timestamp_text_of(date, 7, false, false), "1575691201007");
  EXPECT_EQ(timestamp_text_of(date, 999, false, false), "1575691201999");
  EXPECT_EQ(timestamp_text_of(ole_date(1970, 1, 1, 8, 0, 59), 70, false, true), "0000000059070");
}

TEST(TimestampText, WholeSecondsSurviveRoundingAcrossAYear) {
  // Every whole second of a day in 2020 must give its own exact count.
  const long long base = 1577836800 - 8 * 3600;  // 2020-01-01 00:00:00 local, UTC+8 reading
  for (int s = 0; s < 86400; s += 7) {
    const OleDate date = ole_date(2020, 1, 1, s / 3600, s / 60 % 60, s % 60);
    ASSERT_EQ(timestamp_text({.date_time = date, .seconds_only = true}), std::to_string(base + s)) << s;
  }
}

TEST(TimestampText, NowHasThirteenDigits) {
  const std::string now = timestamp_text();
  EXPECT_EQ(now.size(), 13u);
  EXPECT_EQ(now.find_first_not_of("0123456789"), std::string::npos);
}

}  // namespace
}  // namespace vex
