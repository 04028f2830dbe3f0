#include "app/app_shell.h"

#include <windows.h>
#include <shellapi.h>

#include "app/make_layered.h"
#include "online/version_check.h"
#include "toolkit/system/message_box.h"
#include "ui/layout/window_ids.h"

namespace vex {

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
  ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool AppShell::fetchVersionInfo() {
  return online::fetch_version_info(update_.versionInfo);
}

}  // namespace vex
