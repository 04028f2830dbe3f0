#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/controls/win/native_window.h"

namespace vex::win {

// The system timer ends with the window it belongs to.
void TimerControl::create() { apply(); }

void TimerControl::changed(Change what) {
  if (what == Change::Timer) apply();
}

void TimerControl::apply() {
  HWND window = window_.hwnd();
  if (!window) return;
  // Interval 0 means stopped; the ticks have no handler yet.
  if (state_.timerInterval > 0)
    SetTimer(window, timerId_, static_cast<UINT>(state_.timerInterval), nullptr);
  else
    KillTimer(window, timerId_);
}

}  // namespace vex::win
