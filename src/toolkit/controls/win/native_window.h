// A top-level window of the toolkit and the controls in it. It paints its
// windowless controls into one back buffer in stacking order (earlier
// table rows above later ones, children above their box) and copies that
// to the screen once per paint; it does their mouse input and tooltips.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/controls/win/back_buffer.h"
#include "toolkit/controls/win/device_geometry.h"
#include "toolkit/controls/win/native_control.h"
#include "toolkit/controls/win/window_tips.h"

namespace vex::win {

class NativeWindow {
 public:
  NativeWindow(Win32Backend& backend, Ui& ui, WindowState& state, HWND owner);
  ~NativeWindow();
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  static void registerClass(HINSTANCE instance);

  // Creates the window hidden; show() once its created handler has placed
  // and keyed it, so it never flashes at its layout position.
  void create();
  void show();
  // Destroys the native windows; the objects stay until they are freed.
  void destroy();

  HWND hwnd() const { return hwnd_.get(); }
  WindowState& state() const { return state_; }
  Win32Backend& backend() const { return backend_; }
  Ui& ui() const { return ui_; }
  NativeControl* control(std::int32_t id) const;
  HWND tooltip() const { return tips_.hwnd(); }
  const DeviceGeometry& geometry() const { return geometry_; }
  // The interface font at the window's DPI.
  HFONT font() const { return font_; }
  // Moves the window to `left`, `top` in layout units.
  void moveTo(int left, int top);

  // Marks `area` (client pixels) for the next paint.
  void invalidate(const RECT& area);
  // Places `moved` and what lies in it anew after a move, resize, show or hide.
  void relayout(const NativeControl& moved);
  // A hidden or disabled control drops the pointer's hover and press.
  void forget(NativeControl& c);
  void updateTip(const NativeControl& c);
  // Raises an event once the current message has been answered, for events
  // that a stock control reports from inside its own processing.
  void raiseLater(const NativeControl& c, Event e);

  // For tests: the back buffer brought up to date, and the paints so far.
  WindowPixels drawnPixels();
  int paintCount() const { return paints_; }

 private:
  static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
  void createControls();
  void orderForPainting(const NativeControl* box, int depth);
  Placement placementOf(const NativeControl& c) const;
  void render(HDC screen);
  void paint();
  void noteMoved();
  // Takes `dpi` for every geometry, the font and the pictures; with
  // `suggested` (screen pixels) the window moves and resizes there.
  void applyDpi(int dpi, const RECT* suggested);
  SIZE clientSize() const;

  // Input (window_input.cpp).
  NativeControl* hitTest(POINT p) const;
  bool input(UINT msg, WPARAM wp, LPARAM lp);
  void mouseMoved(POINT p);
  void leftDown(POINT p);
  void leftUp(POINT p);
  void rightDown(POINT p);
  void captureLost();
  bool setCursor();
  void setHot(NativeControl* c);

  Win32Backend& backend_;
  Ui& ui_;
  WindowState& state_;
  HWND owner_;
  DeviceGeometry geometry_;
  HFONT font_ = nullptr;                                  // lent by the backend, one per DPI
  std::vector<std::unique_ptr<NativeControl>> controls_;  // same order as state_.controls
  std::vector<NativeControl*> paintOrder_;                // back to front
  UniqueBrush background_;
  BackBuffer buffer_;
  RECT dirty_{};  // of the back buffer, repainted at the next paint
  int paints_ = 0;
  WindowTips tips_;

  NativeControl* hot_ = nullptr;      // the button under the pointer
  NativeControl* pressed_ = nullptr;  // the button held down, with the mouse captured
  bool tracking_ = false;             // a WM_MOUSELEAVE is asked for
  bool dragging_ = false;             // the title strip is being dragged
  POINT dragCursor_{}, dragOrigin_{};

  UniqueWindow hwnd_;
  bool destroying_ = false;
};

}  // namespace vex::win
