// The program's interface font, the one description every window, tooltip
// and message box draws its texts with.
#pragma once
#include "toolkit/system/handles.h"

namespace vex::win {

// 微软雅黑 at 12 px for 96 DPI, scaled to `dpi`. The Chinese character set
// lets GDI fall back on any CJK face where that one is missing (Wine's
// dialog font has no CJK glyphs at all).
UniqueFont makeInterfaceFont(int dpi);

}  // namespace vex::win
