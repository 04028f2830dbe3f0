// OLE automation's calendar, for callers that keep windows.h out.
#pragma once

namespace vex::win {

struct LocalTime {
  int year, month, day, hour, minute, second, milliseconds;
};

LocalTime localTimeNow();
// The milliseconds VariantTimeToSystemTime gives for an OLE date, 0 when it fails.
int variantTimeMilliseconds(double oleDate);

}  // namespace vex::win
