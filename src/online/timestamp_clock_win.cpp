// The beacon clock on Windows: the calendar form comes from OLE automation.
#include <windows.h>
// oleauto.h needs the Windows types above.
#include <oleauto.h>

#include "online/timestamp_text.h"

namespace vex {

OleDate current_local_ole_date() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return ole_date(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
}

int ole_date_milliseconds(OleDate date) {
  SYSTEMTIME fields{};
  if (!VariantTimeToSystemTime(date, &fields)) return 0;
  return fields.wMilliseconds;
}

}  // namespace vex
