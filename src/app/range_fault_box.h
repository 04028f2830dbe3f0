// An index outside a list is a fault of the program itself: the user sees
// the runtime's message in a box, then the exit steps run and the process
// ends with exit code 1. Never a crash.
#pragma once
#include <functional>

#include "toolkit/controls/ui.h"

namespace vex {

inline constexpr unsigned kRangeFaultExitCode = 1;

void installRangeFaultBox(Ui& ui, std::function<void()> exitSteps);

}  // namespace vex
