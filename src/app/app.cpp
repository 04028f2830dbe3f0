#include "app/app.h"

#include <windows.h>

#include "app/make_layered.h"
#include "app/program_icon.h"
#include "app/range_fault_box.h"
#include "online/self_update.h"
#include "online/usage_beacon.h"
#include "online/version_page.h"
#include "toolkit/controls/win/win32_backend.h"
#include "ui/layout/layouts.h"
#include "ui/layout/window_ids.h"
#include "views/lineup_view.h"

namespace vex {
namespace {

namespace mw = layout::main_window;

constexpr ControlRef mainControl(std::int32_t id) { return {layout::kMainWindow, id}; }

// The program file's directory becomes the current directory, so that the
// self-update finds its files beside the executable.
void enterProgramDirectory() {
  wchar_t path[MAX_PATH * 4];
  DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  if (n == 0 || n >= std::size(path)) return;
  while (n > 0 && path[n - 1] != L'\\' && path[n - 1] != L'/') --n;
  if (n == 0) return;
  path[n - 1] = L'\0';
  SetCurrentDirectoryW(path);
}

}  // namespace

App::App()
    : shell_(ui_, state_.update),
      views_{ui_, shell_, state_.tables, state_.lineup, state_.picker, state_.chart} {}

App::~App() { exitSteps(); }

int App::run() {
  start();
  int code = win::Win32Backend::runMessageLoop();
  exitSteps();
  return code;
}

void App::quit(int code) { PostQuitMessage(code); }

void App::start() {
  enterProgramDirectory();
  backend_ = std::make_unique<win::Win32Backend>(ui_);
  installRangeFaultBox(ui_, [this] { exitSteps(); });

  layout::registerLayouts(ui_);
  bindMainWindow();
  // After a failed update the box says why; once it is dismissed the
  // update window goes too, and 立即更新 can start again.
  state_.update.selfUpdate.afterFailure = [this, alive = alive_] {
    if (!*alive) return;
    backend_->dispatcher().post([this, alive] {
      if (*alive && ui_.isOpen(layout::kUpdateWindow)) ui_.close(layout::kUpdateWindow);
    });
  };
  bindViewHandlers(views_, [this] {
    online::start_update_download(state_.update.selfUpdate, state_.update.versionInfo,
                                  ui_.nativeHandle(layout::kAboutWindow), [this, alive = alive_](int percent) {
                                    // On a downloader thread: the bar is set on the UI thread.
                                    if (!*alive) return;
                                    backend_->dispatcher().post([this, alive, percent] {
                                      if (*alive)
                                        ui_.setProgress({layout::kUpdateWindow, layout::update_window::进度条1},
                                                        percent);
                                    });
                                  });
  });
  ui_.setClosedHook([](std::int32_t window) {
    if (window == layout::kMainWindow) quit(0);
  });

  ui_.open(layout::kMainWindow);
}

void App::bindMainWindow() {
  ui_.bindCreated(layout::kMainWindow, [this] {
    // Before the first window shows: the taskbar takes the icon it finds then.
    applyProgramIcon(static_cast<HWND>(ui_.nativeHandle(layout::kMainWindow)));
    startUp();
  });
  ui_.bind(mainControl(mw::阵容菜单按钮), Event::Clicked, [this] { ui_.open(layout::kLineupWindow); });
  ui_.bind(mainControl(mw::装备图菜单按钮), Event::Clicked, [this] { ui_.open(layout::kItemChartWindow); });
  ui_.bind(mainControl(mw::关于菜单按钮), Event::Clicked,
           [this] { ui_.open(layout::kAboutWindow, layout::kMainWindow); });
  ui_.bind(mainControl(mw::最小化按钮), Event::Clicked, [this] { ui_.minimise(layout::kMainWindow); });
  ui_.bind(mainControl(mw::关闭按钮), Event::Clicked, [this] { ui_.close(layout::kMainWindow); });
}

void App::startUp() {
  // 1. The title with the version.
  ui_.setCaption(mainControl(mw::标签2), Text("Vexbox(阵匣)V") + online::CURRENT_VERSION);
  // 2. Colour key: MainWindow's own background.
  makeLayered(static_cast<HWND>(ui_.nativeHandle(layout::kMainWindow)), 255,
              ui_.windowBackground(layout::kMainWindow));
  // 3. The game tables from their compiled-in constants.
  loadGameTables(state_.tables);
  // 4 to 6. Control lists, lineup 83 with its first champion, shown.
  startLineupView(views_);
  // 7. The lineup picker below, without owner.
  ui_.open(layout::kLineupWindow);
  // 8. One usage report per start, on a thread of its own.
  startUsageBeacon();
}

void App::exitSteps() {
  if (exited_) return;
  exited_ = true;
  *alive_ = false;
  state_.update.selfUpdate.downloader.stop();
  state_.tables = GameTables{};
  state_.lineup = LineupViewState{};
  state_.picker = PickerState{};
  state_.chart = ChartState{};
}

}  // namespace vex
