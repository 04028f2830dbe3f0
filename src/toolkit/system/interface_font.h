// The program's interface font, the one description every window, tooltip
// and message box draws its texts with.
#pragma once
#include "toolkit/system/handles.h"

namespace vex::win {

// 微软雅黑 at 12 px for 96 DPI, scaled to `dpi`, in the Chinese character
// set (Wine's dialog font has no CJK glyphs at all). Where the face GDI
// gives for it lacks characters we draw (under Wine the font mapper may
// pick a CJK face without Latin letters), the first installed face that
// has them all instead.
UniqueFont makeInterfaceFont(int dpi);

}  // namespace vex::win
