#include "toolkit/controls/win/control_kinds.h"

namespace vex::win {

void PicBox::create(HWND parent, int x, int y) {
  picture_.set(state_.picture, state_.pictureKey);
  NativeControl::create(parent, x, y);
}

void PicBox::changed(Change what) {
  if (what == Change::Picture && !picture_.set(state_.picture, state_.pictureKey)) return;
  NativeControl::changed(what);
}

void PicBox::draw(HDC dc) const {
  RECT r{0, 0, state_.width, state_.height};
  picture_.get().draw(dc, r, state_.fit);
}

LRESULT PicBox::handle(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCHITTEST) return HTTRANSPARENT;
  return defaultHandling(msg, wp, lp);
}

}  // namespace vex::win
