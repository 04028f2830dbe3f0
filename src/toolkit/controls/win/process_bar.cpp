#include "toolkit/controls/win/control_kinds.h"

namespace vex::win {

void ProcessBar::create(HWND parent, int x, int y) {
  createStock(PROGRESS_CLASSW, 0, 0, parent, x, y);
  changed(Change::Progress);
}

void ProcessBar::changed(Change what) {
  if (!hwnd()) return;
  if (what != Change::Progress) {
    NativeControl::changed(what);
    return;
  }
  SendMessageW(hwnd(), PBM_SETRANGE32, state_.progressMin, state_.progressMax);
  SendMessageW(hwnd(), PBM_SETPOS, state_.progress, 0);
}

}  // namespace vex::win
