#include "views/about_view.h"

#include "online/version_page.h"
#include "ui/layout/window_ids.h"
#include "vexbox_config.h"

namespace vex {

namespace {

namespace ab = layout::about_window;

constexpr const char* kPromptTitle = "提示";
constexpr const char* kMandatoryUpdate = "Y";

}  // namespace

void aboutWindowCreated(const Views& v) {
  v.shell.makeLayered(layout::kAboutWindow);
  v.shell.fetchVersionInfo();  // the labels want the edition, not the verdict
  v.ui.setCaption({layout::kAboutWindow, ab::标签4}, Text("当前版本：V") + online::CURRENT_VERSION);
  v.ui.setCaption({layout::kAboutWindow, ab::标签5}, "最新版本：V" + v.shell.latestEdition());
}

void updateNowPressed(const Views& v) {
  if (!v.shell.fetchVersionInfo()) {
    v.shell.messageBox(layout::kAboutWindow, "当前已是最新版本", kPromptTitle, kMbOk);
    return;
  }
  if (v.shell.updateMarker() != kMandatoryUpdate) {
    const int pressed =
        v.shell.messageBox(layout::kAboutWindow, "发现新版本是否更新？", kPromptTitle, kMbOkCancel);
    if (pressed != kMbResultOk) return;
  }
  v.ui.open(layout::kUpdateWindow);
}

void socialPagePressed(const Views& v) { v.shell.openUrl(config::kSocialUrl); }

void donateWindowCreated(const Views& v) {
  v.shell.placeWindow(layout::kDonateWindow, layout::kAboutWindow, 386, 0);
  v.shell.makeLayered(layout::kDonateWindow);
}

}  // namespace vex
