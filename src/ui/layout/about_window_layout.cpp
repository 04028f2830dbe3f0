// AboutWindow: title strip and the body panel with the texts, the version
// lines and the update, social and donate buttons (the last two stay hidden).
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace a = about_window;

// Labels and buttons of the body panel.
ControlState bodyLabel(LabelRow row) {
  row.parent = a::外形框2;
  return label(std::move(row));
}

ControlState bodyButton(ButtonRow row) {
  row.parent = a::外形框2;
  row.look = kAboutButtonLook;
  row.pointer = Pointer::Hand;
  return superBtn(std::move(row));
}

WindowLayout build() {
  WindowLayout w{.id = kAboutWindow,
                 .caption = "关于",
                 .width = 376,
                 .height = 276,
                 .centred = true,
                 .background = kKey,
                 .dragControl = a::外形框1};
  auto& c = w.controls;
  c.push_back(bodyLabel({.id = a::标签7,
                         .name = "标签7",
                         .box = {16, 111, 344, 44},
                         .caption = "使用说明：\r\n进入游戏后，请在游戏设置中把窗口模式设为无边框。",
                         .back = kBody}));
  c.push_back(bodyLabel({.id = a::标签6,
                         .name = "标签6",
                         .box = {16, 161, 344, 59},
                         .caption = "感谢各位玩家的支持与反馈，特别鸣谢：\r\n"
                                    "棋盘客、铲铲侠、金币控、连胜王、夜猫子、布阵喵",
                         .back = kAboutBody,
                         .disabled = true}));
  c.push_back(
      bodyButton({.id = a::超级按钮1, .name = "超级按钮1", .box = {131, 75, 80, 25}, .caption = "立即更新"}));
  // The version check replaces both version lines.
  c.push_back(bodyLabel({.id = a::标签5,
                         .name = "标签5",
                         .box = {16, 78, 128, 21},
                         .caption = "最新版本：VX.X",
                         .back = kAboutBody,
                         .disabled = true}));
  c.push_back(bodyLabel({.id = a::标签4,
                         .name = "标签4",
                         .box = {16, 50, 328, 21},
                         .caption = "当前版本：VX.X",
                         .back = kAboutBody}));
  c.push_back(bodyLabel({.id = a::标签3,
                         .name = "标签3",
                         .box = {16, 220, 112, 21},
                         .caption = "官方微博：阵匣",
                         .back = kAboutBody,
                         .visible = false}));
  c.push_back(bodyButton({.id = a::超级按钮2,
                          .name = "超级按钮2",
                          .box = {132, 218, 80, 25},
                          .visible = false,
                          .caption = "关注微博"}));
  c.push_back(bodyButton({.id = a::超级按钮3,
                          .name = "超级按钮3",
                          .box = {224, 218, 64, 25},
                          .visible = false,
                          .caption = "打赏"}));
  c.push_back(bodyLabel({.id = a::标签1,
                         .name = "标签1",
                         .box = {16, 16, 344, 30},
                         .caption = "热爱对战，轻松布阵！新手必备！永久免费！",
                         .back = kBody}));
  c.push_back(shapeBox({.id = a::外形框2, .name = "外形框2", .box = {0, 26, 376, 250}}));
  c.push_back(shapeBox({.id = a::外形框1, .name = "外形框1", .box = {0, 0, 211, 26}, .fill = kStrip}));
  c.push_back(logo({.id = a::LOGO, .strip = a::外形框1}));
  c.push_back(closeButton({.id = a::关闭按钮, .strip = a::外形框1, .left = 170}));
  c.push_back(titleLabel({.id = a::标签2, .strip = a::外形框1, .width = 130, .caption = "Vexbox(阵匣)关于"}));
  return w;
}

}  // namespace

const WindowLayout& aboutWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
