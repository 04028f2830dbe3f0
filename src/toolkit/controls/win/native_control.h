// One control of a native window, drawn from its ControlState. The painted
// kinds (ShapeBox, Label, PicBox, SuperBtn) have no window of their own:
// their window draws them into its back buffer and does their input. Stock
// kinds (list view, progress bar) are comctl32 child windows (stock_control.h).
#pragma once
#include "toolkit/controls/ui.h"
#include "toolkit/system/handles.h"

namespace vex::win {

class NativeWindow;
class Win32Backend;

// Where a control lies in its window's client area: in device pixels, and
// its box in layout units too, from which its children's boxes are scaled.
struct Placement {
  RECT layout{};  // its own box, in layout units
  RECT box{};     // its own box
  RECT clip{};    // the part its containing boxes let show
  bool shown = false;
};

class NativeControl {
 public:
  NativeControl(NativeWindow& window, ControlState& state);
  virtual ~NativeControl();
  NativeControl(const NativeControl&) = delete;
  NativeControl& operator=(const NativeControl&) = delete;

  ControlState& state() const { return state_; }
  ControlRef ref() const;
  ControlKind kind() const { return state_.kind; }

  // The ShapeBox this control lies in (drawn beneath it, clips and hides
  // it), or null for one that lies on the window itself.
  NativeControl* box() const { return box_; }
  void setBox(NativeControl* box) { box_ = box; }
  const Placement& placement() const { return placement_; }
  // Takes a new placement; stock kinds move their window along.
  virtual void place(const Placement& p) { placement_ = p; }

  virtual void create() {}
  virtual void changed(Change what);
  // The window now shows at another DPI: its placement is already new;
  // pictures, fonts and child windows follow here.
  virtual void dpiChanged() {}
  // Painted kinds draw into `box`, their box moved to the origin.
  virtual void draw(HDC, const RECT& /*box*/) const {}
  virtual bool painted() const { return true; }
  virtual HWND hwnd() const { return nullptr; }
  // Labels and pictures let the mouse through to what lies beneath.
  bool takesMouse() const {
    return state_.kind == ControlKind::ShapeBox || state_.kind == ControlKind::SuperBtn;
  }

 protected:
  // Marks the visible part of the box for the window's next paint.
  void repaint() const;
  HFONT font() const;
  int dpi() const;
  Win32Backend& backend() const;
  Ui& ui() const;

  NativeWindow& window_;
  ControlState& state_;

 private:
  NativeControl* box_ = nullptr;
  Placement placement_;
};

}  // namespace vex::win
