// The keyboard side of a window: the focused control, Tab through the tab
// stops in table order, Space and Enter on a focused button, and the
// system's convention of showing focus rectangles only after a key.
#include "toolkit/controls/win/native_window.h"

namespace vex::win {

void NativeWindow::setFocus(NativeControl* c) {
  if (c && !c->takesFocus()) return;
  if (c != focused_) {  // the focus has moved
    light(focused_, c, cues_);
    if (c) notify(EVENT_OBJECT_FOCUS, *c);
  }
  // Keys follow the focus while the window is active; focusing a child of
  // an inactive window would activate it and take the game's keyboard.
  if (!hwnd() || GetActiveWindow() != hwnd()) return;
  HWND wanted = c && c->hwnd() ? c->hwnd() : hwnd();
  if (GetFocus() != wanted) SetFocus(wanted);
}

NativeControl* NativeWindow::stopAfter(int index, int step, bool round) const {
  const int n = static_cast<int>(controls().size());
  for (int k = 1; k <= n; ++k) {
    int i = index + k * step;
    if (round)
      i = (i % n + n) % n;
    else if (i < 0 || i >= n)
      break;
    if (controls()[static_cast<std::size_t>(i)]->takesFocus())
      return controls()[static_cast<std::size_t>(i)].get();
  }
  return nullptr;
}

// The next stop after `from` (before it with `back`), round the table;
// from null the first (or last).
NativeControl* NativeWindow::nextStop(const NativeControl* from, bool back) const {
  const int start = from ? from->index() : back ? static_cast<int>(controls().size()) : -1;
  return stopAfter(start, back ? -1 : 1, true);
}

void NativeWindow::settleFocus() {
  if (focused_ && !focused_->takesFocus()) setFocus(nextStop(focused_, false));
}

// The window has the keyboard again: its focus goes back where it was.
void NativeWindow::restoreFocus() {
  settleFocus();
  setFocus(focused_ ? focused_ : nextStop(nullptr, false));
}

// Kept here rather than asked of the system: Wine shows every cue from the
// start, whatever the window asks for.
void NativeWindow::showCues(bool shown) {
  if (cues_ == shown) return;
  cues_ = shown;
  if (focused_) focused_->repaint();
}

bool NativeWindow::key(UINT msg, WPARAM wp, LPARAM lp) {
  // The Tab's character follows its key-down, to whichever window had it.
  if (msg == WM_CHAR) return wp == VK_TAB;
  if ((msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) && !cues_) {
    showCues(true);
    // The list's own focus rectangle follows.
    SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  }
  if (msg == WM_KEYUP && wp == VK_SPACE && keyPress_) {
    NativeControl* b = endKeyPress();
    // Last: the handler may close this very window.
    if (b && b == focused_) ui_.raise(b->ref(), Event::Clicked);
    return true;
  }
  if (msg != WM_KEYDOWN) return false;
  if (wp == VK_TAB) {
    setFocus(nextStop(focused_, GetKeyState(VK_SHIFT) < 0));
    return true;
  }
  NativeControl* button = focused_ && focused_->isButton() ? focused_ : nullptr;
  if (!button || (wp != VK_SPACE && wp != VK_RETURN)) return false;
  const bool repeat = (lp & (1 << 30)) != 0;
  if (wp == VK_SPACE && !pressed_) {
    keyPress_ = true;
    light(pressed_, button);
    light(hot_, button);
  } else if (wp == VK_RETURN && !repeat) {
    ui_.raise(button->ref(), Event::Clicked);
  }
  return true;
}

// Ends a press held by Space; returns the button it held.
NativeControl* NativeWindow::endKeyPress() {
  if (!keyPress_) return nullptr;
  keyPress_ = false;
  NativeControl* held = pressed_;
  light(pressed_, nullptr);
  NativeControl* over = underPointer();
  light(hot_, over && over->isButton() ? over : nullptr);
  return held;
}

}  // namespace vex::win
