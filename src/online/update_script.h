// The batch script that swaps the running executable for the downloaded one.
#pragma once
#include <functional>
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

// True when the script can carry `name` (GBK) at all: quoted, a name is
// safe unless cmd would expand it again ("%", "!"), read it as a wildcard
// ("?", "*", which a character outside GBK also becomes) or as syntax
// ("^", "&", "\"", "<", ">", "|", control characters).
bool scriptCanCarry(const std::string& name);

// The first of own + ".old", ".old2" .. ".old9" that `taken` says does
// not exist yet; empty when all do. The script never removes what it did
// not move there itself.
std::string updateAsideName(const std::string& ownName, const std::function<bool(const std::string&)>& taken);

struct UpdateScript {
  Bytes text;  // GBK, CR LF between lines, no line end after the last
  // Variables (GBK values) the script's process must be started with.
  std::vector<std::pair<std::string, std::string>> environment;
};

// The script for the own file name (GBK), which scriptCanCarry, with the
// old executable set aside under `asideName`. It moves the old executable
// aside before the new one takes its name and moves it back when that
// fails, so the folder always keeps a runnable program, and starts
// whichever stands; nothing is deleted before its replacement stands and
// no line can stop to ask. cmd reads a batch file in the console's code
// page, so unless that is 936 and the names plain, the script names the
// files through environment variables, which cmd expands as Unicode.
UpdateScript buildUpdateScript(const std::string& ownName, const std::string& asideName,
                               unsigned oemCodePage);

}  // namespace vex::online
