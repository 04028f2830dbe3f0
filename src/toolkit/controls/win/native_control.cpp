#include "toolkit/controls/win/native_control.h"

#include "toolkit/controls/win/native_window.h"
#include "toolkit/controls/win/win32_backend.h"

namespace vex::win {

NativeControl::NativeControl(NativeWindow& window, ControlState& state) : window_(window), state_(state) {}

NativeControl::~NativeControl() = default;

ControlRef NativeControl::ref() const { return {window_.state().id, state_.id}; }
Win32Backend& NativeControl::backend() const { return window_.backend(); }
Ui& NativeControl::ui() const { return window_.ui(); }
HFONT NativeControl::font() const { return window_.font(); }
int NativeControl::dpi() const { return window_.geometry().dpi(); }

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
      break;
    case Change::Caption:
    case Change::Picture:
    case Change::Colours:
      repaint();
      break;
    default:
      break;
  }
  if (what == Change::Hint) window_.updateTip(*this);
}

}  // namespace vex::win
