// The accessibility libraries (oleacc, ole32, oleaut32) through their entry
// points, loaded from the system folder when a screen reader first asks a
// window: a player without one pays nothing in start time or memory.
#pragma once
#include <windows.h>
// After windows.h, whose types they use.
#include <oleacc.h>

#include <string_view>

#include "toolkit/system/system_library.h"

namespace vex::win {

class OleaccLibrary {
 public:
  // Loads the libraries and puts the calling (UI) thread in a
  // single-threaded apartment, where a reader's calls are served.
  OleaccLibrary();
  ~OleaccLibrary();
  OleaccLibrary(const OleaccLibrary&) = delete;
  OleaccLibrary& operator=(const OleaccLibrary&) = delete;

  // False when a library or entry point is missing: then no window answers.
  bool loaded() const { return loaded_; }

  // The WM_GETOBJECT answer that hands `object` to the asker.
  LRESULT answer(WPARAM wp, IAccessible* object) const;
  // The system's own object for a window (its frame, or a child window).
  HRESULT windowObject(HWND h, IDispatch** out) const;
  // Cuts every reader off from `object`: their calls fail from now on.
  void disconnect(IUnknown* object) const;
  BSTR string(std::wstring_view text) const;

 private:
  // Freed last: ole32 outlives the apartment it serves.
  SystemLibrary ole32_{L"ole32.dll"}, oleaut32_{L"oleaut32.dll"}, oleacc_{L"oleacc.dll"};
  decltype(&LresultFromObject) lresultFromObject_ = nullptr;
  decltype(&AccessibleObjectFromWindow) objectFromWindow_ = nullptr;
  decltype(&CoInitialize) coInitialize_ = nullptr;
  decltype(&CoUninitialize) coUninitialize_ = nullptr;
  decltype(&CoDisconnectObject) coDisconnectObject_ = nullptr;
  decltype(&SysAllocStringLen) sysAllocStringLen_ = nullptr;
  bool initialised_ = false;  // CoInitialize to undo
  bool loaded_ = false;
};

}  // namespace vex::win
