// UpdateWindow: the only opaque window; a progress bar under the title
// strip, driven by the self-update download.
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace u = update_window;

WindowLayout build() {
  WindowLayout w{.id = kUpdateWindow,
                 .caption = "更新",
                 .width = 351,
                 .height = 67,
                 .left = 50,
                 .top = 50,
                 .centred = true,
                 .background = kBody,
                 .dragControl = u::外形框1};
  auto& c = w.controls;
  // Stopped (interval 0); the bar ranges 0 to 100 from 0.
  c.push_back(control(ControlKind::Timer, u::时钟1, "时钟1", {72, 32, 26, 26}, false));
  c.push_back(shapeBox({.id = u::外形框1, .name = "外形框1", .box = {0, 0, 351, 26}, .fill = kStrip}));
  c.push_back(logo({.id = u::LOGO, .strip = u::外形框1}));
  c.push_back(closeButton({.id = u::关闭按钮, .strip = u::外形框1, .left = 310}));
  c.push_back(titleLabel({.id = u::标签2, .strip = u::外形框1, .width = 42, .caption = "更新"}));
  c.push_back(control(ControlKind::ProcessBar, u::进度条1, "进度条1", {10, 36, 330, 16}, true));
  return w;
}

}  // namespace

const WindowLayout& updateWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
