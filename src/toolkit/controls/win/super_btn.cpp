#include <windows.h>
// After windows.h, whose types it uses.
#include <windowsx.h>

#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/controls/win/native_window.h"
#include "toolkit/system/wide_text.h"

namespace vex::win {

void SuperBtn::create(HWND parent, int x, int y) {
  loadPictures();
  NativeControl::create(parent, x, y);
  applyHint();
}

bool SuperBtn::loadPictures() {
  // The key applies to the resting picture only.
  const bool resting = resting_.set(state_.picture, state_.pictureKey, state_.disabled);
  const bool hovered = hovered_.set(state_.hoverPicture, kDefaultColour, state_.disabled);
  return resting || hovered;
}

void SuperBtn::changed(Change what) {
  // The same picture set again looks the same: nothing to redraw.
  if (what == Change::Picture && !loadPictures()) return;
  if (what == Change::Enabled) loadPictures();
  // A hidden or disabled button forgets the pointer; it may be elsewhere
  // by the time the button comes back.
  if ((what == Change::Enabled && state_.disabled) || (what == Change::Visibility && !state_.visible)) {
    hover_ = pressed_ = false;
  }
  NativeControl::changed(what);
}

ButtonState SuperBtn::visualState() const {
  if (pressed_ && hover_) return kPressed;
  if (hover_ || pressed_) return kHover;
  return kNormal;
}

void SuperBtn::draw(HDC dc) const {
  const ButtonState s = visualState();
  RECT r{0, 0, state_.width, state_.height};
  if (state_.backColour[s] != kDefaultColour) {
    UniqueBrush brush(CreateSolidBrush(state_.backColour[s]));
    FillRect(dc, &r, brush.get());
  }
  // Hover picture while over or pressed, resting otherwise; a missing one
  // is stood in for by the other.
  const bool wantHover = hover_ || pressed_;
  const GdiPicture& first = (wantHover ? hovered_ : resting_).get();
  const GdiPicture& second = (wantHover ? resting_ : hovered_).get();
  const GdiPicture& picture = first.empty() ? second : first;
  const std::wstring text = widen(state_.caption);
  RECT textBox = r;
  if (!text.empty() && !picture.empty() && picture.width() < r.right) {
    // Picture and caption side by side (the cost buttons: coin, then "5").
    RECT pictureBox{0, 0, picture.width(), r.bottom};
    picture.draw(dc, pictureBox, PictureFit::Centre);
    textBox.left = picture.width();
  } else {
    picture.draw(dc, r, state_.fit);
  }

  const Colour colour = state_.textColour[s];
  if (text.empty() || (colour == kDefaultColour && !state_.disabled)) return;
  Selected f(dc, font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, state_.disabled ? GetSysColor(COLOR_GRAYTEXT) : colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void SuperBtn::setHover(bool hover) {
  if (hover == hover_) return;
  hover_ = hover;
  if (hover) {
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hwnd(), 0};
    TrackMouseEvent(&t);
  }
  invalidate();
}

LRESULT SuperBtn::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEMOVE: {
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      RECT r;
      GetClientRect(hwnd(), &r);
      setHover(PtInRect(&r, p) != FALSE);
      return 0;
    }
    case WM_MOUSELEAVE:
      if (!pressed_) setHover(false);
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      SetCapture(hwnd());
      setHover(true);
      invalidate();
      return 0;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      if (GetCapture() == hwnd()) ReleaseCapture();
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      RECT r;
      GetClientRect(hwnd(), &r);
      const bool inside = PtInRect(&r, p) != FALSE;
      setHover(inside);
      invalidate();
      // Last: the handler may close this very window.
      if (wasPressed && inside) ui().raise(ref(), Event::Clicked);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (pressed_) {
        pressed_ = false;
        invalidate();
      }
      return 0;
    case WM_RBUTTONDOWN:
      ui().raise(ref(), Event::RightButtonPressed);
      return 0;
  }
  return defaultHandling(msg, wp, lp);
}

}  // namespace vex::win
