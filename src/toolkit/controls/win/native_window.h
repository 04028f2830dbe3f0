// A top-level window of the toolkit and the controls in it. It paints its
// windowless controls into one back buffer in stacking order (earlier
// table rows above later ones, children above their box) and copies that
// to the screen once per paint; it does their mouse input, the title
// strip's drag, their tooltips, the keyboard focus (window_focus.cpp) and
// the move between display scales, and answers screen readers through
// toolkit/access.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/access/window_access.h"
#include "toolkit/controls/win/back_buffer.h"
#include "toolkit/controls/win/control_tree.h"
#include "toolkit/controls/win/native_control.h"
#include "toolkit/controls/win/window_tips.h"
#include "toolkit/system/device_geometry.h"

namespace vex::win {

class Win32Backend;
using UniqueRegion = Unique<HRGN, DeleteObjectFree>;

class NativeWindow {
 public:
  NativeWindow(Win32Backend& backend, WindowState& state, HWND owner);
  ~NativeWindow();
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  static void registerClass(HINSTANCE instance);

  // Creates the window hidden; show() once its created handler has placed
  // and keyed it, so it never flashes at its layout position.
  void create();
  void show();
  // Destroys the native window (its teardown runs in WM_DESTROY, however
  // it goes); the object stays until it is freed.
  void destroy() { hwnd_.reset(); }

  HWND hwnd() const { return hwnd_.get(); }
  WindowState& state() const { return state_; }
  Win32Backend& backend() const { return backend_; }
  Ui& ui() const { return ui_; }
  NativeControl* control(std::int32_t id) const;
  const DeviceGeometry& geometry() const { return geometry_; }
  // The interface font at the window's DPI.
  HFONT font() const { return font_; }
  // The button under the pointer, and the one held down.
  const NativeControl* hot() const { return hot_; }
  HDC pictureDc() const { return buffer_.scratch(); }
  const NativeControl* pressed() const { return pressed_; }
  // The control with the keyboard focus (a tab stop), or null.
  const NativeControl* focused() const { return focused_; }
  // Moves the keyboard focus to `c` (null, or one that cannot take it:
  // none); the one place where the focus changes. An inactive window only
  // remembers it until it is activated.
  void setFocus(NativeControl* c);
  // Whether focus rectangles show: only once the user has pressed a key.
  bool focusCues() const { return cues_; }
  // A key for the window or its focused list; true when it was used up
  // (Tab, which leaves a list too).
  bool key(UINT msg, WPARAM wp, LPARAM lp);
  // The topmost control that takes the mouse at `p` (client pixels).
  NativeControl* hitTest(POINT p) const;
  // Every control, in the table's order.
  const std::vector<std::unique_ptr<NativeControl>>& controls() const { return tree_.rows(); }
  // The first tab stop after table row `index` going by `step` (1 or -1):
  // round the table for Tab, to its end for a reader's navigation.
  NativeControl* stopAfter(int index, int step, bool round) const;
  // Moves the window to `left`, `top` in layout units.
  void moveTo(int left, int top);

  // Marks `area` (client pixels) for the next paint.
  void invalidate(const RECT& area);
  // Passes the marked areas on to the system (by the backend, once the
  // outermost message has returned).
  void flushInvalid();
  // Places `moved` and what lies in it anew after a move, resize, show or hide.
  void relayout(NativeControl& moved);
  // A hidden or disabled control drops the pointer's hover and press, and
  // passes the focus on (by settleFocus, after the outermost message).
  void forget(const NativeControl& c);
  void settleFocus();
  void updateTip(const NativeControl& c);
  // Raises an event once the outermost message has ended, for events that
  // a stock control reports from inside its own processing, and a reader's
  // default action, which must not run inside its call.
  void raiseLater(const NativeControl& c, Event e);
  // Tells screen readers (WinEvent hooks) that `c` changed.
  void notify(DWORD event, const NativeControl& c) const;

 private:
  static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT handle(HWND h, UINT msg, WPARAM wp, LPARAM lp);
  void createControls();
  Placement placementOf(const NativeControl& c) const;
  void render(HDC screen);
  void paint();
  void present(HDC dc, const RECT& area);
  void noteMoved();
  void applyDpi(int dpi, const RECT* suggested);
  RECT screenBox(const DeviceGeometry& at) const;

  bool input(UINT msg, WPARAM wp, LPARAM lp);
  void mouseMoved(POINT p);
  void leftDown(POINT p);
  void leftUp(POINT p);
  void follow(POINT screen);
  void endDrag();
  bool setCursor();
  NativeControl* underPointer() const;
  void light(NativeControl*& slot, NativeControl* c, bool shows = true);
  // window_focus.cpp
  NativeControl* nextStop(const NativeControl* from, bool back) const;
  void restoreFocus();
  void showCues(bool shown);
  NativeControl* endKeyPress();

  Win32Backend& backend_;
  Ui& ui_;
  WindowState& state_;
  HWND owner_;
  DeviceGeometry geometry_;
  HFONT font_ = nullptr;  // lent by the backend, one per DPI
  ControlTree tree_;
  BackBuffer buffer_;
  UniqueRegion dirty_;      // of the back buffer, repainted at the next paint
  bool unflushed_ = false;  // dirty_ has grown since the system last heard
  WindowTips tips_;
  WindowAccess access_{*this};

  NativeControl* hot_ = nullptr;       // the button under the pointer
  NativeControl* pressed_ = nullptr;   // the button held down, with the mouse captured
  NativeControl* focused_ = nullptr;   // the control with the keyboard focus
  bool keyPress_ = false;              // pressed_ is held by Space, not the mouse
  bool cues_ = false;                  // focus rectangles show (a key has been pressed)
  bool tracking_ = false;              // a WM_MOUSELEAVE is asked for
  bool dragging_ = false;              // the title strip is being dragged
  POINT dragCursor_{}, dragOrigin_{};  // screen pixels, at the press

  UniqueWindow hwnd_;
};

}  // namespace vex::win
