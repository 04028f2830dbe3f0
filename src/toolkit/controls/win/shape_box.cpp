#include <windows.h>
// After windows.h, whose types it uses.
#include <windowsx.h>

#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/controls/win/native_window.h"

namespace vex::win {

void ShapeBox::draw(HDC dc) const {
  UniqueBrush brush(CreateSolidBrush(state_.fill));
  RECT r{0, 0, state_.width, state_.height};
  FillRect(dc, &r, brush.get());
}

LRESULT ShapeBox::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONDOWN: {
      if (window_.isDragStrip(*this)) {
        // Tracked here rather than through HTCAPTION: the system move loop
        // is left to the window manager under some hosts.
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ClientToScreen(hwnd(), &p);
        RECT w;
        GetWindowRect(window_.hwnd(), &w);
        dragCursor_ = p;
        dragOrigin_ = {w.left, w.top};
        dragging_ = true;
        SetCapture(hwnd());
      }
      ui().raise(ref(), Event::LeftButtonPressed);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (dragging_ && GetCapture() == hwnd()) {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ClientToScreen(hwnd(), &p);
        SetWindowPos(window_.hwnd(), nullptr, dragOrigin_.x + p.x - dragCursor_.x,
                     dragOrigin_.y + p.y - dragCursor_.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) {
        dragging_ = false;
        ReleaseCapture();
      }
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return 0;
  }
  return defaultHandling(msg, wp, lp);
}

}  // namespace vex::win
