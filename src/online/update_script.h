// The batch script that swaps the running executable for the downloaded one.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "toolkit/common/embedded.h"

namespace vex::online {

// Name of the downloaded executable in the program directory (GBK).
inline constexpr char kUpdateTempName[] = "阵匣.exe.tmp";
inline constexpr char kUpdateScriptName[] = "update.bat";
// The old executable waits under its own name plus this until the new one
// stands in its place.
inline constexpr char kUpdateOldSuffix[] = ".old";

// True when `name` can stand unquoted on a cmd line: ASCII letters, digits,
// ".", "-", "_" and two-byte GBK characters only.
bool isPlainScriptName(const std::string& name);

struct UpdateScript {
  Bytes text;  // GBK, CR LF between lines, no line end after the last
  // Variables (GBK values) the script's process must be started with.
  std::vector<std::pair<std::string, std::string>> environment;
};

// The script for the own file name (GBK). It moves the old executable
// aside before the new one takes its name and moves it back when that
// fails, so the folder always keeps a runnable program; nothing is deleted
// before its replacement stands. cmd reads a batch file in the console's
// code page, so unless that is 936 and the name plain, the script names
// the files through environment variables, which cmd expands as Unicode.
UpdateScript buildUpdateScript(const std::string& ownName, unsigned oemCodePage);

}  // namespace vex::online
