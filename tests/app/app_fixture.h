// Runs the whole program in the test process: MainWindow opened and started
// as at a real start, with the test pumping the message loop.
#pragma once
#include <windows.h>

#include <memory>

#include "../support/pump.h"
#include "app/app.h"
#include "toolkit/controls/win/win32_backend.h"
#include "ui/layout/window_ids.h"

namespace vex::test {

class RunningApp {
 public:
  RunningApp() : app_(std::make_unique<App>()) {
    app_->start();
    pump(200);
  }
  App& app() { return *app_; }
  Ui& ui() { return app_->ui(); }
  HWND window(std::int32_t id) { return static_cast<HWND>(ui().nativeHandle(id)); }
  // A list view's own window: list views stay native child windows; every
  // other control is found through the state (tests/views/native_probe.h).
  HWND listView(std::int32_t window, std::int32_t id) {
    return GetDlgItem(app_->backend().windowHandle(window), id);
  }

 private:
  std::unique_ptr<App> app_;
};

}  // namespace vex::test
