#include "toolkit/system/device_geometry.h"
#include "toolkit/system/handles.h"

namespace vex::win {
namespace {

using DpiOfWindow = UINT(WINAPI*)(HWND);
using DpiOfSystem = UINT(WINAPI*)();

// Looked up by name: the program also runs on systems older than the calls.
template <typename F>
F user32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

int screenDpi() {
  const WindowDc screen(nullptr);
  const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : kLayoutDpi;
  return dpi > 0 ? dpi : kLayoutDpi;
}

}  // namespace

int systemDpi() {
  static const auto forSystem = user32Function<DpiOfSystem>("GetDpiForSystem");
  const UINT dpi = forSystem ? forSystem() : 0;
  return dpi ? static_cast<int>(dpi) : screenDpi();
}

int windowDpi(HWND window) {
  static const auto forWindow = user32Function<DpiOfWindow>("GetDpiForWindow");
  const UINT dpi = forWindow && window ? forWindow(window) : 0;
  return dpi ? static_cast<int>(dpi) : systemDpi();
}

}  // namespace vex::win
