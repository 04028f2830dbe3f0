#include "toolkit/controls/win/control_kinds.h"

namespace vex::win {

void PicBox::create() { load(); }

bool PicBox::load() { return picture_.set(state_.picture, state_.pictureKey, false, dpi()); }

void PicBox::changed(Change what) {
  // The same picture set again looks the same: nothing to redraw.
  if (what == Change::Picture && !load()) return;
  NativeControl::changed(what);
}

void PicBox::dpiChanged() { load(); }

void PicBox::draw(HDC dc, const RECT& box) const {
  RECT r = box;
  picture_.get().draw(dc, r, state_.fit);
}

}  // namespace vex::win
