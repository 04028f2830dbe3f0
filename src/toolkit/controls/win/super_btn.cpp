#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/controls/win/native_window.h"
#include "toolkit/system/wide_text.h"

namespace vex::win {

void SuperBtn::create() { loadPictures(); }

bool SuperBtn::loadPictures() {
  // The key applies to the resting picture only.
  const bool resting = resting_.set(state_.picture, state_.pictureKey, state_.disabled, dpi());
  const bool hovered = hovered_.set(state_.hoverPicture, kDefaultColour, state_.disabled, dpi());
  return resting || hovered;
}

void SuperBtn::changed(Change what) {
  // The same picture set again looks the same: nothing to redraw.
  if (what == Change::Picture && !loadPictures()) return;
  if (what == Change::Enabled) loadPictures();
  NativeControl::changed(what);
}

void SuperBtn::dpiChanged() { loadPictures(); }

ButtonState SuperBtn::visualState() const {
  if (pressed_ && hover_) return kPressed;
  if (hover_ || pressed_) return kHover;
  return kNormal;
}

void SuperBtn::setHover(bool hover) {
  if (hover == hover_) return;
  hover_ = hover;
  repaint();
}

void SuperBtn::setPressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  repaint();
}

void SuperBtn::draw(HDC dc, const RECT& box) const {
  const ButtonState s = visualState();
  RECT r = box;
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

}  // namespace vex::win
