// The Win32 side of the toolkit: draws the Ui's windows natively.
//
//   vex::Ui ui;                     // layouts added, handlers bound
//   vex::win::Win32Backend backend(ui);   // attaches itself to ui
//   ui.open(kMainWindow);
//   return vex::win::Win32Backend::runMessageLoop();  // until PostQuitMessage
//
// Construct it on the UI thread after the process has started (it loads
// comctl32's classes and makes the shared font); it must outlive every open
// window and detaches from `ui` when destroyed. Ui::nativeHandle gives a
// window's HWND (for SetLayeredWindowAttributes and message box owners).
// Windows open without taking the keyboard focus (a click activates them).
// Worker threads reach the UI thread through dispatcher().post(fn); GBK
// message boxes are toolkit/system/message_box.h.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "toolkit/controls/ui.h"
#include "toolkit/pictures/picture_cache.h"
#include "toolkit/system/handles.h"
#include "toolkit/system/ui_dispatcher.h"

namespace vex::win {

class NativeControl;
class NativeWindow;
class OleaccLibrary;

class Win32Backend final : public UiBackend {
 public:
  explicit Win32Backend(Ui& ui);
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  void createWindow(WindowState& window) override;
  void windowReady(std::int32_t window) override;
  void destroyWindow(std::unique_ptr<WindowState> window) override;
  void minimiseWindow(std::int32_t window) override;
  void bringToFront(std::int32_t window) override;
  void moveWindow(std::int32_t window, int left, int top) override;
  void controlChanged(ControlPeer& peer, Change what) override;
  void* nativeHandle(std::int32_t window) override;
  void handle(const std::function<void()>& handler) override;

  // GetMessage / DispatchMessage until WM_QUIT; returns its exit code.
  static int runMessageLoop();

  HWND windowHandle(std::int32_t window) const;
  // The interface font at `dpi` (96 when not given), made on first use and
  // kept while the backend lives: a handful of scales at most.
  HFONT font(int dpi = 96) const;
  UiDispatcher& dispatcher() { return dispatcher_; }
  // The accessibility libraries, loaded when a screen reader first asks;
  // null when they cannot be.
  const OleaccLibrary* oleacc();
  // The one picture cache every window draws from.
  PictureCache& pictures() { return pictures_; }
  Ui& ui() const { return ui_; }

  // Every window procedure of the toolkit, and every handler and posted
  // task, brackets its work with these (MessageScope). When the outermost
  // message ends, the work put off with later() runs, then each window
  // settles its focus and tells the system what to repaint, once.
  void enterMessage() { ++depth_; }
  void leaveMessage();
  bool inMessage() const { return depth_ > 0; }
  // Runs `task` when the outermost message ends: events a control reports
  // from inside its own processing, list syncs, freeing closed windows.
  // Outside any message (a reader's call) a posted task wakes the queue.
  void later(std::function<void()> task);
  // The native window went away without Ui::close (e.g. with its owner).
  void nativeWindowGone(std::int32_t window);
  NativeControl* find(ControlRef ref) const;

 private:
  NativeWindow* find(std::int32_t window) const;
  void bury(std::int32_t window, std::unique_ptr<WindowState> state = nullptr);

  Ui& ui_;
  std::unique_ptr<OleaccLibrary> oleacc_;    // outlives the windows, which disconnect through it
  PictureCache pictures_;                    // before the windows, which hold pictures from it
  mutable std::map<int, UniqueFont> fonts_;  // the interface font by DPI, lent to every control
  std::map<std::int32_t, std::unique_ptr<NativeWindow>> windows_;
  std::vector<std::function<void()>> queue_;  // run when the outermost message ends
  int depth_ = 0;
  UiDispatcher dispatcher_;
};

class MessageScope {
 public:
  explicit MessageScope(Win32Backend& b) : b_(b) { b_.enterMessage(); }
  ~MessageScope() { b_.leaveMessage(); }
  MessageScope(const MessageScope&) = delete;
  MessageScope& operator=(const MessageScope&) = delete;

 private:
  Win32Backend& b_;
};

}  // namespace vex::win
