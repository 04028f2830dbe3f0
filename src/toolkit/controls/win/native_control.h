// One control of a native window: a child HWND drawn from its ControlState.
// Own-drawn kinds (ShapeBox, Label, PicBox, SuperBtn) share one window class
// and paint themselves over whatever lies beneath them; stock kinds (list
// view, progress bar) are comctl32 windows subclassed to reach this object.
#pragma once
#include "toolkit/controls/ui.h"
#include "toolkit/system/handles.h"

namespace vex::win {

class NativeWindow;
class Win32Backend;

class NativeControl {
 public:
  NativeControl(NativeWindow& window, ControlState& state);
  virtual ~NativeControl();
  NativeControl(const NativeControl&) = delete;
  NativeControl& operator=(const NativeControl&) = delete;

  // The object behind a control's HWND, or null for other windows.
  static NativeControl* fromHwnd(HWND hwnd);
  static void registerClass(HINSTANCE instance);

  ControlState& state() const { return state_; }
  ControlRef ref() const;
  HWND hwnd() const { return hwnd_.get(); }
  NativeWindow& window() const { return window_; }

  // Creates the native child of `parent` at (x, y) in the parent's client area.
  virtual void create(HWND parent, int x, int y);
  virtual void changed(Change what);
  // Own-drawn kinds draw themselves with the box at the DC's origin.
  virtual void draw(HDC) const {}
  virtual bool ownDrawn() const { return true; }
  // True when drawing covers every pixel of the box.
  virtual bool opaque() const { return false; }
  // A message the control sent its parent, passed back here.
  virtual bool reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  // Native parent and the position in it (for geometry changes).
  void setPlacement(HWND parent, bool inBox) {
    parent_ = parent;
    inBox_ = inBox;
  }
  bool inBox() const { return inBox_; }
  // Box in the top-level window's client area.
  RECT windowRect() const;
  // Redraws this box and anything above it that shows it through.
  void invalidate() const;

 protected:
  virtual LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT defaultHandling(UINT msg, WPARAM wp, LPARAM lp);
  // For stock classes: creates the window and subclasses it.
  void createStock(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, int x, int y);
  DWORD commonStyle() const;
  HFONT font() const;
  // Gives the tooltip the state's hint unless it has it already.
  void applyHint();
  Win32Backend& backend() const;
  Ui& ui() const;

  NativeWindow& window_;
  ControlState& state_;

 private:
  static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK subclassProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void attach(HWND hwnd);
  void detach();
  void paint(HDC target);

  UniqueWindow hwnd_;
  Text shownHint_;
  HWND parent_ = nullptr;
  bool inBox_ = false;
  bool stock_ = false;
};

// Answers every own-drawn message a container passes to its children.
bool reflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace vex::win
