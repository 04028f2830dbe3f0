// DonateWindow: two thank-you pictures and a line of text on the body panel.
#include "ui/layout/layout_pictures.h"
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace d = donate_window;

WindowLayout build() {
  WindowLayout w = window(kDonateWindow, "打赏", 270, 266, 0, 0, false, kKey, d::外形框1);
  auto& c = w.controls;
  // Both pictures are taller or shorter than their boxes: stretched to fit.
  c.push_back(picBox(d::支付宝, "支付宝", d::外形框2, {140, 10, 120, 170},
                     assets::layoutThanksHeartJpg.bytes(), true, PictureFit::Stretch));
  c.push_back(picBox(d::微信, "微信", d::外形框2, {10, 10, 120, 170}, assets::layoutThanksCupJpg.bytes(),
                     true, PictureFit::Stretch));
  c.push_back(shapeBox(d::外形框2, "外形框2", {0, 26, 270, 240}, kBody));
  c.push_back(label(d::标签1, "标签1", d::外形框2, {16, 192, 240, 38},
                    "如果觉得好用就打赏一波，汽车飞机走起~\r\n才有动力更新！", kLight, kBody));
  c.push_back(shapeBox(d::外形框1, "外形框1", {0, 0, 101, 26}, kStrip));
  c.push_back(logo(d::LOGO, d::外形框1));
  c.push_back(closeButton(d::关闭按钮, d::外形框1, 60));
  c.push_back(titleLabel(d::标签2, d::外形框1, 34, "打赏"));
  return w;
}

}  // namespace

const WindowLayout& donateWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
