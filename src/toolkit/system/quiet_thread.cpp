#include "toolkit/system/quiet_thread.h"

#include <windows.h>

namespace vex::win {

void yieldToWindows(unsigned maxWaitMs) {
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
  WaitForInputIdle(GetCurrentProcess(), maxWaitMs);
}

}  // namespace vex::win
