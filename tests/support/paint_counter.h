// The WM_PAINT messages a window receives while this lives, counted as a
// message spy counts them.
#pragma once
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

namespace vex::test {

class PaintCounter {
 public:
  explicit PaintCounter(HWND window) : window_(window) {
    SetWindowSubclass(window_, count, kId, reinterpret_cast<DWORD_PTR>(this));
  }
  ~PaintCounter() { RemoveWindowSubclass(window_, count, kId); }
  PaintCounter(const PaintCounter&) = delete;
  PaintCounter& operator=(const PaintCounter&) = delete;
  int paints() const { return paints_; }

 private:
  static constexpr UINT_PTR kId = 0x7061;
  static LRESULT CALLBACK count(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    if (msg == WM_PAINT) ++reinterpret_cast<PaintCounter*>(self)->paints_;
    return DefSubclassProc(h, msg, wp, lp);
  }
  HWND window_;
  int paints_ = 0;
};

}  // namespace vex::test
