// The calendar clock, for callers that keep windows.h out.
#pragma once

namespace vex::win {

struct LocalTime {
  int year, month, day, hour, minute, second, milliseconds;
};

LocalTime localTimeNow();

}  // namespace vex::win
