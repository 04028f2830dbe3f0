// A library of the system folder, loaded by its full path, so that no copy
// planted beside the program is ever picked up, and freed with this object.
// The program imports only what every Windows loads anyway; the rest is
// loaded here when a path first needs it.
#pragma once
#include <windows.h>

namespace vex::win {

class SystemLibrary {
 public:
  explicit SystemLibrary(const wchar_t* name);
  ~SystemLibrary();
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  explicit operator bool() const { return module_ != nullptr; }

  // Points `function` at the export `name`; false when there is none.
  template <typename Function>
  bool take(Function& function, const char* name) const {
    function = module_ ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)))
                       : nullptr;
    return function != nullptr;
  }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace vex::win
