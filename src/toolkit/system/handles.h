// Move-only owners of the Win32 handles the toolkit creates.
#pragma once
#include <windows.h>
// commctrl.h builds on the types of windows.h.
#include <commctrl.h>

#include "toolkit/common/unique.h"

namespace vex::win {

using vex::Unique;

struct DestroyWindowFree {
  void operator()(HWND h) const { DestroyWindow(h); }
};
struct DeleteObjectFree {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct ImageListFree {
  void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};
struct DeleteDcFree {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct CloseHandleFree {
  void operator()(HANDLE h) const { CloseHandle(h); }
};

using UniqueWindow = Unique<HWND, DestroyWindowFree>;
using UniqueFont = Unique<HFONT, DeleteObjectFree>;
using UniqueBitmap = Unique<HBITMAP, DeleteObjectFree>;
using UniqueImageList = Unique<HIMAGELIST, ImageListFree>;
using UniqueDc = Unique<HDC, DeleteDcFree>;
// A kernel object: a file, a process, a thread.
using UniqueHandle = Unique<HANDLE, CloseHandleFree>;

// CreateFile tells a failure by INVALID_HANDLE_VALUE, not by null.
inline UniqueHandle openedFile(HANDLE h) { return UniqueHandle(h == INVALID_HANDLE_VALUE ? nullptr : h); }

// A window's (or, for null, the screen's) DC for one scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC for one scope.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~Selected() { SelectObject(dc_, old_); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace vex::win
