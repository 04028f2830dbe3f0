// DonateWindow: two thank-you pictures and a line of text on the body panel.
#include "ui/layout/layout_pictures.h"
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace d = donate_window;

WindowLayout build() {
  WindowLayout w{.id = kDonateWindow,
                 .caption = "打赏",
                 .width = 270,
                 .height = 266,
                 .background = kKey,
                 .dragControl = d::外形框1};
  auto& c = w.controls;
  // Both pictures are taller or shorter than their boxes: stretched to fit.
  c.push_back(picBox({.id = d::支付宝,
                      .name = "支付宝",
                      .parent = d::外形框2,
                      .box = {140, 10, 120, 170},
                      .picture = assets::layoutThanksHeartJpg.bytes(),
                      .fit = PictureFit::Stretch}));
  c.push_back(picBox({.id = d::微信,
                      .name = "微信",
                      .parent = d::外形框2,
                      .box = {10, 10, 120, 170},
                      .picture = assets::layoutThanksCupJpg.bytes(),
                      .fit = PictureFit::Stretch}));
  c.push_back(shapeBox({.id = d::外形框2, .name = "外形框2", .box = {0, 26, 270, 240}, .fill = kBody}));
  c.push_back(label({.id = d::标签1,
                     .name = "标签1",
                     .parent = d::外形框2,
                     .box = {16, 192, 240, 38},
                     .caption = "如果觉得好用就打赏一波，汽车飞机走起~\r\n才有动力更新！",
                     .back = kBody}));
  c.push_back(shapeBox({.id = d::外形框1, .name = "外形框1", .box = {0, 0, 101, 26}, .fill = kStrip}));
  c.push_back(logo({.id = d::LOGO, .strip = d::外形框1}));
  c.push_back(closeButton({.id = d::关闭按钮, .strip = d::外形框1, .left = 60}));
  c.push_back(titleLabel({.id = d::标签2, .strip = d::外形框1, .width = 34, .caption = "打赏"}));
  return w;
}

}  // namespace

const WindowLayout& donateWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
