// One control of a native window, drawn from its ControlState. The painted
// kinds (ShapeBox, Label, PicBox, SuperBtn) have no window of their own:
// their window draws them into its back buffer and does their input. Stock
// kinds (list view, progress bar) are comctl32 child windows (stock_control.h).
#pragma once
#include <string>
#include <vector>

#include "toolkit/controls/ui.h"
#include "toolkit/pictures/picture_cache.h"
#include "toolkit/system/handles.h"

namespace vex::win {

class NativeWindow;

// Where a control lies in its window's client area: in device pixels, and
// its box in layout units too, from which its children's boxes are scaled.
struct Placement {
  RECT layout{};  // its own box, in layout units
  RECT box{};     // its own box
  RECT clip{};    // the part its containing boxes let show
  bool shown = false;
  bool operator==(const Placement& o) const {
    return shown == o.shown && EqualRect(&layout, &o.layout) && EqualRect(&box, &o.box) &&
           EqualRect(&clip, &o.clip);
  }
};

// A solid fill with the stock DC brush: no brush is made per paint.
void fillSolid(HDC dc, const RECT& r, Colour colour);

class NativeControl : public ControlPeer {
 public:
  NativeControl(NativeWindow& window, ControlState& state, int index);
  virtual ~NativeControl();
  NativeControl(const NativeControl&) = delete;
  NativeControl& operator=(const NativeControl&) = delete;

  ControlState& state() const { return state_; }
  ControlRef ref() const;
  ControlKind kind() const { return state_.kind; }
  int index() const { return index_; }

  // The control this one is placed in, or null for one on the window. A
  // ShapeBox parent also draws beneath it, clips it and hides it.
  NativeControl* parent() const { return parent_; }
  NativeControl* box() const {
    return parent_ && parent_->kind() == ControlKind::ShapeBox ? parent_ : nullptr;
  }
  void setParent(NativeControl* parent);
  const std::vector<NativeControl*>& children() const { return children_; }
  const Placement& placement() const { return placement_; }
  // Takes a new placement; stock kinds move their window along.
  virtual void place(const Placement& p) { placement_ = p; }

  virtual void create() {}
  // Catches up on changes it put off, before its window first shows.
  virtual void settle() {}
  void changed(Change what) override;
  // The window now shows at another DPI: its placement is already new;
  // pictures, fonts and child windows follow here.
  virtual void dpiChanged() {}
  // Painted kinds draw into `box`, their box moved to the origin.
  virtual void draw(HDC, const RECT& /*box*/) const {}
  // A timer has nothing to draw.
  virtual bool painted() const { return state_.kind != ControlKind::Timer; }
  virtual HWND hwnd() const { return nullptr; }
  bool isButton() const { return state_.kind == ControlKind::SuperBtn; }
  // Labels and pictures let the mouse through to what lies beneath.
  bool takesMouse() const {
    return state_.kind == ControlKind::ShapeBox || state_.kind == ControlKind::SuperBtn;
  }
  // Where Tab and a reader's navigation go: a shown, enabled tab stop that
  // is drawn or has a window of its own.
  bool takesFocus() const {
    return state_.tabStop && !state_.disabled && placement_.shown && (painted() || hwnd());
  }
  // Marks the visible part of the box for the window's next paint.
  void repaint() const;

 protected:
  // The caption as the system wants it, converted once per change.
  const std::wstring& text() const { return text_; }
  // The cache's picture of `bytes` at the window's DPI.
  SharedPicture picture(const Bytes& bytes, Colour key, bool grey) const;

  NativeWindow& window_;
  ControlState& state_;

 private:
  int index_;
  NativeControl* parent_ = nullptr;
  std::vector<NativeControl*> children_;
  Placement placement_;
  std::wstring text_;
};

}  // namespace vex::win
