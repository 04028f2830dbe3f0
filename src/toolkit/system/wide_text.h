// GBK <-> UTF-16 at the Win32 boundary. Always code page 936, whatever the
// system's ANSI code page is.
#pragma once
#include <string>

#include "toolkit/controls/ui_types.h"

namespace vex::win {

std::wstring widen(const Text& gbk);
Text narrow(const std::wstring& utf16);

}  // namespace vex::win
