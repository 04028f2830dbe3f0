// Refits a system message box to another font: its text and buttons take
// `font`, the text control and the box grow or shrink to the text measured
// in it, the buttons and the icon follow, and the box keeps its centre on
// the screen. The title bar keeps the system's font. Call it once the
// system has laid the box out (when it is activated) and keep `font` alive
// until the box is gone.
#pragma once
#include <windows.h>

namespace vex::win {

void fitBoxToFont(HWND box, HFONT font);

}  // namespace vex::win
