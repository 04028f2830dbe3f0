#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/controls/win/native_window.h"

namespace vex::win {

// The system timer ends with the window it belongs to.
TimerControl::~TimerControl() = default;

void TimerControl::create(HWND, int, int) {
  timerWindow_ = window_.hwnd();
  apply();
}

void TimerControl::changed(Change what) {
  if (what == Change::Timer) apply();
}

void TimerControl::apply() {
  if (!timerWindow_) return;
  // Interval 0 means stopped; the ticks have no handler yet.
  if (state_.timerInterval > 0)
    SetTimer(timerWindow_, timerId_, static_cast<UINT>(state_.timerInterval), nullptr);
  else
    KillTimer(timerWindow_, timerId_);
}

}  // namespace vex::win
