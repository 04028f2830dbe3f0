// The program icon on the program's windows.
#pragma once
#include <windows.h>

namespace vex {

// Gives the window class of `window` the program icon (resource
// VEX_PROGRAM_ICON of the running executable) as its big and small icon, so
// that every window of the class, open or still to come, shows it in the
// taskbar and Alt-Tab. Without the resource the class stays as it is.
void applyProgramIcon(HWND window);

}  // namespace vex
