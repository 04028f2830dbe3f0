// For background threads that must not compete with the first paint.
#pragma once

namespace vex::win {

// Lowers the calling thread's priority, then waits until the program's
// window thread first waits for input (at most `maxWaitMs`).
void yieldToWindows(unsigned maxWaitMs);

}  // namespace vex::win
