// The tooltip control a window owns, found as any program finds it: among
// its thread's top-level windows, by class and owner. Null when it has none.
#pragma once
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

namespace vex::test {

inline HWND ownedTooltip(HWND window) {
  struct Search {
    HWND owner;
    HWND found = nullptr;
  } search{window};
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  EnumThreadWindows(
      thread,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        wchar_t name[32]{};
        GetClassNameW(h, name, 32);
        if (GetWindow(h, GW_OWNER) != s->owner || lstrcmpiW(name, TOOLTIPS_CLASSW) != 0) return TRUE;
        s->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace vex::test
