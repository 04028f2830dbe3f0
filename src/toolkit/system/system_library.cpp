#include "toolkit/system/system_library.h"

#include <string>

namespace vex::win {

SystemLibrary::SystemLibrary(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  module_ = LoadLibraryW((std::wstring(folder, n) + L"\\" + name).c_str());
}

SystemLibrary::~SystemLibrary() {
  if (module_) FreeLibrary(module_);
}

}  // namespace vex::win
