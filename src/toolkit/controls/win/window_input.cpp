// The mouse over a window's painted controls: the topmost control that
// takes the mouse gets it (hidden and disabled ones, labels and pictures
// let it through), buttons light up under the pointer and stay pressed
// while held, and the title strip drags the window.
#include <windows.h>
// After windows.h, whose types it uses.
#include <windowsx.h>

#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/controls/win/native_window.h"

namespace vex::win {

NativeControl* NativeWindow::hitTest(POINT p) const {
  for (auto it = paintOrder_.rbegin(); it != paintOrder_.rend(); ++it) {
    NativeControl* c = *it;
    const Placement& where = c->placement();
    if (c->painted() && c->takesMouse() && where.shown && !c->state().disabled && PtInRect(&where.clip, p))
      return c;
  }
  return nullptr;
}

bool NativeWindow::input(UINT msg, WPARAM wp, LPARAM lp) {
  const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  if (msg >= WM_MOUSEFIRST && msg <= WM_RBUTTONUP) tips_.relay(msg, wp, lp);
  switch (msg) {
    case WM_MOUSEMOVE:
      mouseMoved(p);
      return true;
    case WM_LBUTTONDOWN:
      leftDown(p);
      return true;
    case WM_LBUTTONUP:
      leftUp(p);
      return true;
    case WM_RBUTTONDOWN:
      rightDown(p);
      return true;
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (!pressed_) setHot(nullptr);
      return true;
    case WM_CAPTURECHANGED:
      captureLost();
      return true;
  }
  return false;
}

void NativeWindow::setHot(NativeControl* c) {
  if (c == hot_) return;
  if (SuperBtn* b = asButton(hot_)) b->setHover(false);
  hot_ = c;
  if (SuperBtn* b = asButton(c)) b->setHover(true);
}

void NativeWindow::mouseMoved(POINT p) {
  if (dragging_) {
    POINT at = p;
    ClientToScreen(hwnd(), &at);
    SetWindowPos(hwnd(), nullptr, dragOrigin_.x + at.x - dragCursor_.x, dragOrigin_.y + at.y - dragCursor_.y,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  if (!tracking_) {
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hwnd(), 0};
    tracking_ = TrackMouseEvent(&t) != FALSE;
  }
  NativeControl* over = hitTest(p);
  // While a button is held, only it lights up, and only over itself.
  if (SuperBtn* held = asButton(pressed_)) {
    held->setHover(over == held);
    return;
  }
  setHot(asButton(over));
}

void NativeWindow::leftDown(POINT p) {
  NativeControl* c = hitTest(p);
  if (!c) return;
  if (c->kind() == ControlKind::ShapeBox) {
    if (state_.dragControl && c->state().id == state_.dragControl) {
      // Tracked here rather than through HTCAPTION: the system move loop
      // is left to the window manager under some hosts.
      POINT at = p;
      ClientToScreen(hwnd(), &at);
      RECT w;
      GetWindowRect(hwnd(), &w);
      SetCapture(hwnd());
      dragCursor_ = at;
      dragOrigin_ = {w.left, w.top};
      dragging_ = true;
    }
    ui_.raise(c->ref(), Event::LeftButtonPressed);
    return;
  }
  SuperBtn* b = asButton(c);
  if (!b) return;
  SetCapture(hwnd());
  pressed_ = b;
  setHot(b);
  b->setHover(true);
  b->setPressed(true);
}

void NativeWindow::leftUp(POINT p) {
  if (dragging_) {
    dragging_ = false;
    if (GetCapture() == hwnd()) ReleaseCapture();
    return;
  }
  SuperBtn* b = asButton(pressed_);
  if (!b) return;
  pressed_ = nullptr;
  b->setPressed(false);
  if (GetCapture() == hwnd()) ReleaseCapture();
  NativeControl* over = hitTest(p);
  b->setHover(over == b);
  setHot(asButton(over));
  // Last: the handler may close this very window.
  if (over == b) ui_.raise(b->ref(), Event::Clicked);
}

void NativeWindow::rightDown(POINT p) {
  if (SuperBtn* b = asButton(hitTest(p))) ui_.raise(b->ref(), Event::RightButtonPressed);
}

void NativeWindow::captureLost() {
  dragging_ = false;
  if (SuperBtn* b = asButton(pressed_)) {
    pressed_ = nullptr;
    b->setPressed(false);
  }
}

bool NativeWindow::setCursor() {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(hwnd(), &p);
  const NativeControl* c = hitTest(p);
  if (!c || c->state().pointer != Pointer::Hand) return false;
  SetCursor(LoadCursorA(nullptr, IDC_HAND));
  return true;
}

void NativeWindow::forget(NativeControl& c) {
  if (hot_ == &c) hot_ = nullptr;
  if (pressed_ == &c) {
    pressed_ = nullptr;
    if (GetCapture() == hwnd()) ReleaseCapture();
  }
  if (SuperBtn* b = asButton(&c)) {
    b->setHover(false);
    b->setPressed(false);
  }
}

}  // namespace vex::win
