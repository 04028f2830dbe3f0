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
  ControlState timer;
  timer.kind = ControlKind::Timer;
  timer.id = u::时钟1;
  timer.name = "时钟1";
  timer.left = 72;
  timer.top = 32;
  timer.width = 26;
  timer.height = 26;
  timer.visible = false;
  timer.timerInterval = 0;  // stopped
  c.push_back(timer);
  c.push_back(shapeBox(u::外形框1, "外形框1", {0, 0, 351, 26}, kStrip));
  c.push_back(logo(u::LOGO, u::外形框1));
  c.push_back(closeButton(u::关闭按钮, u::外形框1, 310));
  c.push_back(titleLabel(u::标签2, u::外形框1, 42, "更新"));
  ControlState bar;
  bar.kind = ControlKind::ProcessBar;
  bar.id = u::进度条1;
  bar.name = "进度条1";
  bar.left = 10;
  bar.top = 36;
  bar.width = 330;
  bar.height = 16;
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
