#include "toolkit/controls/win/native_control.h"

#include <algorithm>

#include "toolkit/controls/win/native_window.h"
#include "toolkit/controls/win/win32_backend.h"
#include "toolkit/system/wide_text.h"

namespace vex::win {

void fillSolid(HDC dc, const RECT& r, Colour colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

NativeControl::NativeControl(NativeWindow& window, ControlState& state, int index)
    : window_(window), state_(state), index_(index), text_(widen(state.caption)) {
  state_.peer = this;
}

// The state outlives its window's controls (Win32Backend::bury).
NativeControl::~NativeControl() { state_.peer = nullptr; }

ControlRef NativeControl::ref() const { return {window_.state().id, state_.id}; }

void NativeControl::setParent(NativeControl* parent) {
  if (parent_) std::erase(parent_->children_, this);
  parent_ = parent;
  if (parent_) parent_->children_.push_back(this);
}

SharedPicture NativeControl::picture(const Bytes& bytes, Colour key, bool grey) const {
  return window_.backend().pictures().picture(PictureWanted{bytes, key, grey, window_.geometry().dpi()});
}

void NativeControl::repaint() const {
  if (painted() && placement_.shown) window_.invalidate(placement_.clip);
}

void NativeControl::changed(Change what) {
  switch (what) {
    case Change::Geometry:
    case Change::Visibility:
      window_.relayout(*this);
      break;
    case Change::Enabled:
      if (state_.disabled) window_.forget(*this);
      repaint();
      window_.notify(EVENT_OBJECT_STATECHANGE, *this);
      break;
    case Change::Caption:
      text_ = widen(state_.caption);
      repaint();
      window_.notify(EVENT_OBJECT_NAMECHANGE, *this);
      break;
    case Change::Picture:
    case Change::Colours:
      repaint();
      break;
    case Change::Hint:
      window_.updateTip(*this);
      // The name of a button without a caption, or of a picture.
      window_.notify(EVENT_OBJECT_NAMECHANGE, *this);
      window_.notify(EVENT_OBJECT_DESCRIPTIONCHANGE, *this);
      break;
    default:
      break;
  }
}

}  // namespace vex::win
