// The beacon clock on Windows: the calendar form comes from OLE automation.
#include "online/timestamp_text.h"
#include "toolkit/system/ole_time.h"

namespace vex {

OleDate current_local_ole_date() {
  const win::LocalTime now = win::localTimeNow();
  return ole_date(now.year, now.month, now.day, now.hour, now.minute, now.second, now.milliseconds);
}

int ole_date_milliseconds(OleDate date) { return win::variantTimeMilliseconds(date); }

}  // namespace vex
