#include "toolkit/download/download_plan.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace vex {

namespace {

std::string trimmed(const std::string& text) {
  std::size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t' || text[e - 1] == '\r' || text[e - 1] == '\n'))
    --e;
  return text.substr(b, e - b);
}

// Digits only; nothing on overflow or an empty text.
std::optional<std::int64_t> number(const std::string& digits) {
  if (digits.empty()) return std::nullopt;
  std::int64_t n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    if (n > (std::numeric_limits<std::int64_t>::max() - (c - '0')) / 10) return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

std::vector<ByteRange> planRanges(std::int64_t length, int connections, std::int64_t minRange) {
  std::vector<ByteRange> ranges;
  if (length <= 0) return ranges;
  std::int64_t count = std::max(1, connections);
  if (minRange > 0) count = std::min(count, std::max<std::int64_t>(1, length / minRange));
  count = std::min(count, length);
  const std::int64_t step = length / count;
  std::int64_t first = 0;
  for (std::int64_t i = 0; i < count; ++i) {
    const std::int64_t last = i + 1 == count ? length - 1 : first + step - 1;
    ranges.push_back({first, last});
    first = last + 1;
  }
  return ranges;
}

std::optional<ContentRange> parseContentRange(const std::string& value) {
  std::string text = trimmed(value);
  if (text.size() < 6) return std::nullopt;
  std::string unit = text.substr(0, 6);
  for (char& c : unit) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (unit != "bytes ") return std::nullopt;
  text = trimmed(text.substr(6));
  const std::size_t dash = text.find('-');
  const std::size_t slash = text.find('/');
  if (dash == std::string::npos || slash == std::string::npos || slash < dash) return std::nullopt;
  const auto first = number(trimmed(text.substr(0, dash)));
  const auto last = number(trimmed(text.substr(dash + 1, slash - dash - 1)));
  if (!first || !last || *last < *first) return std::nullopt;
  ContentRange range{*first, *last, -1};
  const std::string total = trimmed(text.substr(slash + 1));
  if (total != "*") {
    const auto n = number(total);
    if (!n || *n <= *last) return std::nullopt;
    range.total = *n;
  }
  return range;
}

std::optional<std::int64_t> parseContentLength(const std::string& value) { return number(trimmed(value)); }

ResponsePlan judgeFirstResponse(const FirstResponse& response, std::int64_t probeBytes) {
  ResponsePlan plan;
  if (response.status == 206) {
    const auto& range = response.contentRange;
    if (probeBytes <= 0 || !range || range->first != 0 || range->total < 0 ||
        range->last != std::min(probeBytes, range->total) - 1) {
      plan.failure = DownloadFailure::BadRange;
      return plan;
    }
    if (response.contentLength && *response.contentLength != range->last + 1) {
      plan.failure = DownloadFailure::WrongLength;
      return plan;
    }
    plan.ranged = true;
    plan.total = range->total;
    plan.probed = range->last + 1;
  } else if (response.status == 200) {
    plan.total = response.contentLength;
    if (!plan.total) {
      // A cut connection would read as the end of the file.
      plan.failure = DownloadFailure::NoLength;
      return plan;
    }
  } else {
    plan.failure = DownloadFailure::HttpStatus;
    return plan;
  }
  if (*plan.total == 0) plan.failure = DownloadFailure::Empty;
  if (*plan.total > kMaxDownloadBytes) plan.failure = DownloadFailure::TooLarge;
  return plan;
}

DownloadFailure judgeCompletion(std::optional<std::int64_t> total, std::int64_t received) {
  if (received <= 0) return DownloadFailure::Empty;
  if (!total) return DownloadFailure::NoLength;
  if (*total != received) return received < *total ? DownloadFailure::Cut : DownloadFailure::WrongLength;
  return DownloadFailure::None;
}

}  // namespace vex
