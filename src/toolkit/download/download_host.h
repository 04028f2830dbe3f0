// What the self-update needs from the system, with GBK texts on this side
// and UTF-16 at the Win32 calls (so Chinese paths work whatever the ANSI
// code page is).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/common/embedded.h"
#include "toolkit/system/wide_text.h"

namespace vex::win {

// Current directory without a trailing backslash.
std::string currentDirectory();
// File name of the running executable, without its directory; empty when
// GBK cannot spell it exactly.
std::string ownFileName();
unsigned oemCodePage();

bool writeWholeFile(const std::string& path, const Bytes& bytes);
std::optional<Bytes> readWholeFile(const std::string& path);
bool deleteFile(const std::string& path);
bool fileExists(const std::string& path);

// Runs a command line with a hidden window from `directory` and waits for
// it to end; false when it could not be started. The process gets this
// process's environment plus `extra` (GBK names and values, passed on as
// UTF-16 so that they survive any code page).
bool runHiddenAndWait(const std::string& commandLine, const std::string& directory,
                      const std::vector<std::pair<std::string, std::string>>& extra = {});

[[noreturn]] void exitProcess(unsigned code);

enum class MessageIcon { None, Information, Warning };
// A task-modal OK box; `owner` is a native window handle or null. A box
// without a title gets "信息：".
void showMessage(void* owner, const std::string& text, const std::string& title, MessageIcon icon);

}  // namespace vex::win
