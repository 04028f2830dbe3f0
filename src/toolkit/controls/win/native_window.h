// A top-level window of the toolkit and the controls in it.
#pragma once
#include <memory>
#include <vector>

#include "toolkit/controls/win/native_control.h"

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
  HWND tooltip() const { return tooltip_.get(); }

  // Paints, into `dc` with `target`'s box at the origin, the window
  // background and every own-drawn control beneath `target`.
  void paintBeneath(HDC dc, const NativeControl& target) const;
  bool isDragStrip(const NativeControl& c) const {
    return state_.dragControl && c.state().id == state_.dragControl;
  }
  void setTip(const NativeControl& c, const Text& hint);
  // Raises an event once the current message has been answered, for events
  // that a stock control reports from inside its own processing.
  void raiseLater(const NativeControl& c, Event e);

 private:
  static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
  void createControls();
  void createUnder(std::int32_t parentId, HWND parentHwnd, std::vector<bool>& made, int depth);
  void stackControls();
  void orderForPainting(std::int32_t parentId, std::vector<bool>& seen, int depth);
  void noteMoved();

  Win32Backend& backend_;
  Ui& ui_;
  WindowState& state_;
  HWND owner_;
  std::vector<std::unique_ptr<NativeControl>> controls_;  // same order as state_.controls
  std::vector<const NativeControl*> paintOrder_;          // back to front
  UniqueBrush background_;
  UniqueWindow tooltip_;
  UniqueWindow hwnd_;
  bool destroying_ = false;
};

}  // namespace vex::win
