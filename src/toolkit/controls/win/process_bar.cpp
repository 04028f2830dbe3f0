#include "toolkit/controls/win/control_kinds.h"

namespace vex::win {

void ProcessBar::create() {
  createStock(PROGRESS_CLASSW, 0);
  changed(Change::Progress);
}

void ProcessBar::changed(Change what) {
  if (what != Change::Progress) {
    StockControl::changed(what);
    return;
  }
  if (!hwnd()) return;
  SendMessageW(hwnd(), PBM_SETRANGE32, state_.progressMin, state_.progressMax);
  SendMessageW(hwnd(), PBM_SETPOS, state_.progress, 0);
}

}  // namespace vex::win
