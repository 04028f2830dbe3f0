#include "toolkit/download/download_plan.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

TEST(DownloadPlan, RangesCoverTheFileWithoutGapsOrOverlap) {
  for (std::int64_t length : {1, 4, 5, 6, 1023, 1024, 5000, 10'000'001}) {
    for (int connections : {1, 2, 5, 16}) {
      const auto ranges = planRanges(length, connections, 1024);
      ASSERT_FALSE(ranges.empty());
      EXPECT_LE(static_cast<int>(ranges.size()), connections);
      EXPECT_EQ(ranges.front().first, 0);
      EXPECT_EQ(ranges.back().last, length - 1);
      for (std::size_t i = 1; i < ranges.size(); ++i) {
        EXPECT_EQ(ranges[i].first, ranges[i - 1].last + 1);
        EXPECT_GE(ranges[i].size(), 1024);
      }
    }
  }
  EXPECT_EQ(planRanges(10'000'000, 5, 1024).size(), 5u);
  EXPECT_EQ(planRanges(3000, 5, 1024).size(), 2u);
  EXPECT_TRUE(planRanges(0, 5, 1024).empty());
  EXPECT_EQ(planRanges(3, 5, 0).size(), 3u);
}

TEST(DownloadPlan, ContentRange) {
  auto r = parseContentRange("bytes 0-99/1000");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->first, 0);
  EXPECT_EQ(r->last, 99);
  EXPECT_EQ(r->total, 1000);
  r = parseContentRange("Bytes 5-9/*");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->total, -1);
  for (const char* bad : {"", "bytes", "bytes 9-5/10", "bytes 0-9/9", "items 0-9/10", "bytes a-9/10",
                          "bytes */10", "bytes 0-99999999999999999999/1"}) {
    EXPECT_FALSE(parseContentRange(bad)) << bad;
  }
  EXPECT_EQ(parseContentLength(" 42 "), 42);
  EXPECT_FALSE(parseContentLength(""));
  EXPECT_FALSE(parseContentLength("-1"));
  EXPECT_FALSE(parseContentLength("4x"));
}

TEST(DownloadPlan, FirstResponse) {
  auto plan = judgeFirstResponse({206, 100, ContentRange{0, 99, 1000}}, 100);
  EXPECT_EQ(plan.failure, DownloadFailure::None);
  EXPECT_TRUE(plan.ranged);
  EXPECT_EQ(plan.total, 1000);
  EXPECT_EQ(plan.probed, 100);
  // A file shorter than the probe comes whole.
  plan = judgeFirstResponse({206, 40, ContentRange{0, 39, 40}}, 100);
  EXPECT_EQ(plan.failure, DownloadFailure::None);
  EXPECT_EQ(plan.probed, 40);

  plan = judgeFirstResponse({200, 1000, std::nullopt}, 100);
  EXPECT_FALSE(plan.ranged);
  EXPECT_EQ(plan.total, 1000);
  // Without a length a cut connection would pass for the end of the file.
  EXPECT_EQ(judgeFirstResponse({200, std::nullopt, std::nullopt}, 0).failure, DownloadFailure::NoLength);
  EXPECT_EQ(judgeFirstResponse({200, std::nullopt, std::nullopt}, 100).failure, DownloadFailure::NoLength);

  // Announced sizes are bounded, whichever header announces them.
  EXPECT_EQ(judgeFirstResponse({200, kMaxDownloadBytes, std::nullopt}, 0).failure, DownloadFailure::None);
  EXPECT_EQ(judgeFirstResponse({200, kMaxDownloadBytes + 1, std::nullopt}, 0).failure,
            DownloadFailure::TooLarge);
  const std::int64_t tebibyte = std::int64_t{1} << 40;
  EXPECT_EQ(judgeFirstResponse({200, tebibyte, std::nullopt}, 100).failure, DownloadFailure::TooLarge);
  EXPECT_EQ(judgeFirstResponse({206, 100, ContentRange{0, 99, tebibyte}}, 100).failure,
            DownloadFailure::TooLarge);
  EXPECT_EQ(judgeFirstResponse({206, 100, ContentRange{0, 99, kMaxDownloadBytes}}, 100).failure,
            DownloadFailure::None);

  EXPECT_EQ(judgeFirstResponse({404, 10, std::nullopt}, 100).failure, DownloadFailure::HttpStatus);
  EXPECT_EQ(judgeFirstResponse({302, 10, std::nullopt}, 100).failure, DownloadFailure::HttpStatus);
  EXPECT_EQ(judgeFirstResponse({200, 0, std::nullopt}, 100).failure, DownloadFailure::Empty);
  EXPECT_EQ(judgeFirstResponse({206, 10, std::nullopt}, 100).failure, DownloadFailure::BadRange);
  EXPECT_EQ(judgeFirstResponse({206, 100, ContentRange{0, 99, 1000}}, 0).failure, DownloadFailure::BadRange);
  EXPECT_EQ(judgeFirstResponse({206, 10, ContentRange{5, 14, 15}}, 10).failure, DownloadFailure::BadRange);
  EXPECT_EQ(judgeFirstResponse({206, 10, ContentRange{0, 9, -1}}, 10).failure, DownloadFailure::BadRange);
  EXPECT_EQ(judgeFirstResponse({206, 20, ContentRange{0, 19, 1000}}, 10).failure, DownloadFailure::BadRange);
  EXPECT_EQ(judgeFirstResponse({206, 7, ContentRange{0, 9, 1000}}, 10).failure, DownloadFailure::WrongLength);
}

TEST(DownloadPlan, CompletionNeedsEveryAnnouncedByte) {
  EXPECT_EQ(judgeCompletion(100, 100), DownloadFailure::None);
  EXPECT_EQ(judgeCompletion(100, 99), DownloadFailure::Cut);
  EXPECT_EQ(judgeCompletion(100, 101), DownloadFailure::WrongLength);
  EXPECT_EQ(judgeCompletion(std::nullopt, 5), DownloadFailure::NoLength);
  EXPECT_EQ(judgeCompletion(std::nullopt, 0), DownloadFailure::Empty);
  EXPECT_EQ(judgeCompletion(0, 0), DownloadFailure::Empty);
}

}  // namespace
}  // namespace vex
