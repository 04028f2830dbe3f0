#include "toolkit/controls/win/control_kinds.h"

#include "toolkit/controls/win/list_view.h"
#include "toolkit/controls/win/native_window.h"

namespace vex::win {
namespace {

void drawText(HDC dc, HFONT font, Colour colour, const std::wstring& text, RECT& r, UINT format) {
  Selected f(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

}  // namespace

std::unique_ptr<NativeControl> makeControl(NativeWindow& window, ControlState& state, int index) {
  switch (state.kind) {
    case ControlKind::ShapeBox:
      return std::make_unique<ShapeBox>(window, state, index);
    case ControlKind::Label:
      return std::make_unique<Label>(window, state, index);
    case ControlKind::PicBox:
      return std::make_unique<PicBox>(window, state, index);
    case ControlKind::SuperBtn:
      return std::make_unique<SuperBtn>(window, state, index);
    case ControlKind::ListView:
      return std::make_unique<ListView>(window, state, index);
    case ControlKind::ProcessBar:
      return std::make_unique<ProcessBar>(window, state, index);
    case ControlKind::Timer:
    case ControlKind::Window:
      break;
  }
  return std::make_unique<NativeControl>(window, state, index);
}

void ShapeBox::draw(HDC dc, const RECT& box) const { fillSolid(dc, box, state_.fill); }

void Label::draw(HDC dc, const RECT& box) const {
  RECT r = box;
  if (state_.backColour[kNormal] != kDefaultColour) fillSolid(dc, r, state_.backColour[kNormal]);
  if (text().empty() || (state_.textColour[kNormal] == kDefaultColour && !state_.disabled)) return;
  // The text block is centred vertically, as in the title strips.
  const UINT format = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;
  Selected f(dc, window_.font());
  RECT measure = r;
  const int height =
      DrawTextW(dc, text().c_str(), static_cast<int>(text().size()), &measure, format | DT_CALCRECT);
  if (height < r.bottom) r.top = (r.bottom - height) / 2;
  drawText(dc, window_.font(), state_.disabled ? GetSysColor(COLOR_GRAYTEXT) : state_.textColour[kNormal],
           text(), r, format);
}

void PicturedControl::changed(Change what) {
  if (what == Change::Picture || what == Change::Enabled) load();
  NativeControl::changed(what);
}

void PicBox::load() { picture_ = picture(state_.picture, state_.pictureKey, false); }

void PicBox::draw(HDC dc, const RECT& box) const {
  if (picture_) picture_->draw(dc, box, state_.fit, window_.pictureDc());
}

// The key applies to the resting picture only.
void SuperBtn::load() {
  resting_ = picture(state_.picture, state_.pictureKey, state_.disabled);
  hovered_ = picture(state_.hoverPicture, kDefaultColour, state_.disabled);
}

void SuperBtn::draw(HDC dc, const RECT& box) const {
  const bool hover = window_.hot() == this, pressed = window_.pressed() == this,
             focused = window_.focused() == this;
  const ButtonState s = pressed && hover ? kPressed : hover || pressed ? kHover : kNormal;
  // At rest, a focused button shows the third colour where it has one, once
  // the user works by keyboard: a click on a title strip focuses a menu
  // button, which must not stay lit for the mouse's user.
  const bool focusLook = focused && window_.focusCues();
  const ButtonState back =
      s == kNormal && focusLook && state_.backColour[kPressed] != kDefaultColour ? kPressed : s;
  if (state_.backColour[back] != kDefaultColour) fillSolid(dc, box, state_.backColour[back]);
  // Hover picture while over or pressed, resting otherwise; a missing one
  // is stood in for by the other.
  const GdiPicture& first = *(s != kNormal ? hovered_ : resting_);
  const GdiPicture& second = *(s != kNormal ? resting_ : hovered_);
  const GdiPicture& shown = first.empty() ? second : first;
  RECT textBox = box;
  if (!text().empty() && !shown.empty() && shown.width() < box.right) {
    // Picture and caption side by side (the cost buttons: coin, then "5").
    shown.draw(dc, {0, 0, shown.width(), box.bottom}, PictureFit::Centre, window_.pictureDc());
    textBox.left = shown.width();
  } else {
    shown.draw(dc, box, state_.fit, window_.pictureDc());
  }
  const Colour colour = state_.textColour[s];
  if (!text().empty() && (colour != kDefaultColour || state_.disabled))
    drawText(dc, window_.font(), state_.disabled ? GetSysColor(COLOR_GRAYTEXT) : colour, text(), textBox,
             DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (focusLook) {
    // Its inversion depends on the colours of the DC.
    SetTextColor(dc, 0);
    SetBkColor(dc, 0xFFFFFF);
    RECT ring = box;
    InflateRect(&ring, -1, -1);
    DrawFocusRect(dc, &ring);
  }
}

void ProcessBar::create() {
  createStock(PROGRESS_CLASSW, 0);
  changed(Change::Progress);
}

void ProcessBar::changed(Change what) {
  if (what != Change::Progress) return StockControl::changed(what);
  if (!hwnd()) return;
  SendMessageW(hwnd(), PBM_SETRANGE32, state_.progressMin, state_.progressMax);
  SendMessageW(hwnd(), PBM_SETPOS, state_.progress, 0);
}

}  // namespace vex::win
