#include "online/timestamp_text.h"

#include <cmath>
#include <cstdint>

namespace vex {
namespace {

// Days from 1970-01-01 to y-m-d in the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr std::int64_t kOleEpochToUnixDays = 25569;  // 1899-12-30 to 1970-01-01
// A margin added to the seconds before truncating, so a whole second that
// the double lands a hair below still counts.
constexpr double kSecondsMargin = 5.787037037037037e-6;

}  // namespace

OleDate ole_date(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  const double days = static_cast<double>(
      daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kOleEpochToUnixDays);
  const double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
  return days + ms / 86400000.0;
}

std::string timestamp_text_of(OleDate date, int milliseconds, bool seconds_only, bool pad) {
  std::string ms = std::to_string(milliseconds);
  if (ms.size() < 3) ms.insert(0, 3 - ms.size(), '0');
  const double difference = date - ole_date(1970, 1, 1, 8, 0, 0);
  const double seconds = std::trunc(difference * 86400.0 + kSecondsMargin);
  std::string text = std::to_string(static_cast<long long>(seconds));
  if (pad && text.size() < 10) text.insert(0, 10 - text.size(), '0');
  if (seconds_only) return text.substr(0, 10);
  return text + ms;
}

std::string timestamp_text(const TimestampArgs& args) {
  const OleDate date = args.date_time ? *args.date_time : current_local_ole_date();
  return timestamp_text_of(date, ole_date_milliseconds(date), args.seconds_only.value_or(false),
                           args.pad.value_or(false));
}

}  // namespace vex
