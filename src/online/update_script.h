// The batch script that swaps the running executable for the downloaded one.
#pragma once
#include <string>

#include "toolkit/common/embedded.h"

namespace vex::online {

// Name of the downloaded executable in the program directory (GBK).
inline constexpr char kUpdateTempName[] = "阵匣.exe.tmp";
inline constexpr char kUpdateScriptName[] = "update.bat";

// True when `name` can stand unquoted on a cmd line: ASCII letters, digits,
// ".", "-", "_" and two-byte GBK characters only.
bool isPlainScriptName(const std::string& name);

// The script text for the own file name (GBK), CR LF between lines, no line
// end after the last. cmd reads a batch file in the console's code page, so
// unless that is already 936 the script switches to it first and stops
// before touching anything when either file name does not read back. Names
// that are not plain are quoted with "%" doubled.
Bytes buildUpdateScript(const std::string& ownName, unsigned oemCodePage);

}  // namespace vex::online
