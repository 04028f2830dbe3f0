// A window's face to screen readers: its IAccessible, made when a reader
// first asks and cut off from every reader when the window goes.
#pragma once
#include <windows.h>

namespace vex::win {

class NativeWindow;
class WindowAccessible;

class WindowAccess {
 public:
  explicit WindowAccess(NativeWindow& window) : window_(window) {}
  ~WindowAccess() { close(); }
  WindowAccess(const WindowAccess&) = delete;
  WindowAccess& operator=(const WindowAccess&) = delete;

  // The answer to WM_GETOBJECT for the client area (0: the system's own).
  LRESULT answer(WPARAM wp);
  // The window is going: readers still holding the object get errors.
  void close();

 private:
  NativeWindow& window_;
  WindowAccessible* object_ = nullptr;  // one reference, held until close
};

}  // namespace vex::win
