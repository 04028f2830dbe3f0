// UpdateWindow: the only opaque window; a progress bar under the title
// strip, driven by the self-update download.
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace u = update_window;

WindowLayout build() {
  WindowLayout w = window(kUpdateWindow, "更新", 351, 67, 50, 50, true, kBody, u::外形框1);
  auto& c = w.controls;
  ControlState timer = control(ControlKind::Timer, u::时钟1, "时钟1", 0, {72, 32, 26, 26}, false);
  timer.timerInterval = 0;  // stopped
  c.push_back(timer);
  c.push_back(shapeBox(u::外形框1, "外形框1", {0, 0, 351, 26}, kStrip));
  c.push_back(logo(u::LOGO, u::外形框1));
  c.push_back(closeButton(u::关闭按钮, u::外形框1, 310));
  c.push_back(titleLabel(u::标签2, u::外形框1, 42, "更新"));
  ControlState bar = control(ControlKind::ProcessBar, u::进度条1, "进度条1", 0, {10, 36, 330, 16}, true);
  bar.progressMin = 0;
  bar.progressMax = 100;
  bar.progress = 0;
  c.push_back(bar);
  return w;
}

}  // namespace

const WindowLayout& updateWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
