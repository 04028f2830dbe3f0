// A GBK message box: task-modal, owned by `ownerHwnd` (may be null), always
// above our always-on-top windows. Returns the pressed button as 0 OK,
// 1 Cancel, 2 Abort, 3 Retry, 4 Ignore, 5 Yes, 6 No (-1 if none).
// `flags` are the MB_* button and icon flags. The text and buttons draw in
// the interface font (the system's dialog font may lack CJK glyphs), the
// box fitted to the text; the title bar keeps the system's font.
#pragma once
#include "toolkit/controls/ui_types.h"

namespace vex::win {

int messageBox(void* ownerHwnd, const Text& text, const Text& title, unsigned flags);

}  // namespace vex::win
