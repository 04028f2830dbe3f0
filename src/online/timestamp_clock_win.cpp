// The beacon clock on Windows.
#include "online/timestamp_text.h"
#include "toolkit/system/local_time.h"

namespace vex {

OleDate current_local_ole_date() {
  const win::LocalTime now = win::localTimeNow();
  return ole_date(now.year, now.month, now.day, now.hour, now.minute, now.second, now.milliseconds);
}

// The automation calendar the beacon's text was first read through keeps
// whole seconds only, so its three millisecond digits have always been 000.
int ole_date_milliseconds(OleDate) { return 0; }

}  // namespace vex
