// Move-only owners of the Win32 handles the toolkit creates.
#pragma once
#include <windows.h>
// commctrl.h builds on the types of windows.h.
#include <commctrl.h>

#include <utility>

namespace vex::win {

// `Free` may carry state, such as the entry point of a library loaded at run
// time; the handle is freed with the `Free` it came with.
template <typename H, typename Free>
class Unique {
 public:
  Unique() = default;
  explicit Unique(H h, Free free = {}) : h_(h), free_(free) {}
  ~Unique() { reset(); }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& o) noexcept : h_(std::exchange(o.h_, nullptr)), free_(o.free_) {}
  Unique& operator=(Unique&& o) noexcept {
    if (this != &o) {
      reset(std::exchange(o.h_, nullptr));
      free_ = o.free_;
    }
    return *this;
  }

  H get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  // Gives up ownership, e.g. when the system has destroyed the object itself.
  H release() { return std::exchange(h_, nullptr); }
  void reset(H h = nullptr) {
    if (h_ && h_ != h) free_(h_);
    h_ = h;
  }

 private:
  H h_ = nullptr;
  [[no_unique_address]] Free free_{};
};

struct DestroyWindowFree {
  void operator()(HWND h) const { DestroyWindow(h); }
};
struct DeleteObjectFree {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct ImageListFree {
  void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};
struct DestroyIconFree {
  void operator()(HICON h) const { DestroyIcon(h); }
};
struct DeleteDcFree {
  void operator()(HDC h) const { DeleteDC(h); }
};

using UniqueWindow = Unique<HWND, DestroyWindowFree>;
using UniqueFont = Unique<HFONT, DeleteObjectFree>;
using UniqueBitmap = Unique<HBITMAP, DeleteObjectFree>;
using UniqueBrush = Unique<HBRUSH, DeleteObjectFree>;
using UniqueImageList = Unique<HIMAGELIST, ImageListFree>;
using UniqueIcon = Unique<HICON, DestroyIconFree>;
using UniqueDc = Unique<HDC, DeleteDcFree>;

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
