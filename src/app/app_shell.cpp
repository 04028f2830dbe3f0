#include "app/app_shell.h"

#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <string>

#include "app/make_layered.h"
#include "app/painting_wait.h"
#include "online/version_check.h"
#include "toolkit/system/message_box.h"
#include "toolkit/system/system_library.h"
#include "ui/layout/window_ids.h"

namespace vex {

// shell32, loaded the first time a link is opened.
struct AppShell::Browser {
  Browser() { shell32.take(open, "ShellExecuteA"); }

  win::SystemLibrary shell32{L"shell32.dll"};
  decltype(&ShellExecuteA) open = nullptr;
};

AppShell::AppShell(Ui& ui, UpdateState& update) : ui_(ui), update_(update) {}
AppShell::~AppShell() = default;

void AppShell::placeWindow(std::int32_t window, std::int32_t reference, int dx, int dy) {
  ui_.moveWindow(window, ui_.windowLeft(reference) + dx, ui_.windowTop(reference) + dy);
}

void AppShell::makeLayered(std::int32_t window) {
  HWND hwnd = static_cast<HWND>(ui_.nativeHandle(window));
  if (!hwnd) return;
  vex::makeLayered(hwnd, 255, ui_.windowBackground(layout::kMainWindow));
}

int AppShell::messageBox(std::int32_t owner, const Text& text, const Text& title, unsigned flags) {
  return win::messageBox(owner ? ui_.nativeHandle(owner) : nullptr, text, title, flags);
}

void AppShell::openUrl(const Text& url) {
  if (!browser_) browser_ = std::make_unique<Browser>();
  if (browser_->open) browser_->open(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// The page may take up to its deadline (10 s); meanwhile the windows stay
// drawn. The worker fills a copy, so VersionInfo changes on this thread only.
bool AppShell::fetchVersionInfo() {
  online::VersionInfo fetched;
  bool announced = false;
  runWhilePainting([&] {
    announced = online::fetch_version_info(fetched, config::kUpdateHost, online::kVersionPageDeadline,
                                           update_.selfUpdate.trust);
  });
  update_.versionInfo = fetched;
  return announced;
}

}  // namespace vex
