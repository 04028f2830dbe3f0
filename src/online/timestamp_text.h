// Unix time as decimal text, for cache-defeating query values.
#pragma once
#include <optional>
#include <string>

namespace vex {

// An OLE automation date in local time: days since 1899-12-30 00:00, the
// fraction being the time of day.
using OleDate = double;

// From calendar fields (years 1900 on).
OleDate ole_date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                 int millisecond = 0);
OleDate current_local_ole_date();
// The milliseconds field of the date's calendar form; on Windows always 0,
// as the system's automation calendar has always given the beacon.
int ole_date_milliseconds(OleDate date);

struct TimestampArgs {
  std::optional<OleDate> date_time{};  // default: now, local time
  std::optional<bool> seconds_only{};  // default false
  std::optional<bool> pad{};           // default false
};

// Seconds since local 1970-01-01 08:00:00 (Unix time in UTC+8), followed by
// three milliseconds digits unless seconds_only.
std::string timestamp_text(const TimestampArgs& args = {});

// The same from a date and its milliseconds field.
std::string timestamp_text_of(OleDate date, int milliseconds, bool seconds_only, bool pad);

}  // namespace vex
