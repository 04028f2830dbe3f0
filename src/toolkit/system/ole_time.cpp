#include "toolkit/system/ole_time.h"

#include <windows.h>
// oleauto.h needs the Windows types above.
#include <oleauto.h>

namespace vex::win {

LocalTime localTimeNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

int variantTimeMilliseconds(double oleDate) {
  SYSTEMTIME fields{};
  if (!VariantTimeToSystemTime(oleDate, &fields)) return 0;
  return fields.wMilliseconds;
}

}  // namespace vex::win
