// AboutWindow: title strip and the body panel with the texts, the version
// lines and the update, social and donate buttons (the last two stay hidden).
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace a = about_window;

ControlState bodyLabel(std::int32_t id, const char* name, Box box, const char* caption, Colour back,
                       bool visible = true, bool disabled = false) {
  ControlState c = label(id, name, a::外形框2, box, caption, kLight, back);
  c.visible = visible;
  c.disabled = disabled;
  return c;
}

ControlState bodyButton(std::int32_t id, const char* name, Box box, bool visible, const char* caption) {
  ControlState c =
      superBtn(id, name, a::外形框2, box, visible, kAboutButtonLook, Pointer::Hand, {Event::Clicked});
  c.caption = caption;
  return c;
}

WindowLayout build() {
  WindowLayout w = window(kAboutWindow, "关于", 376, 276, 0, 0, true, kKey, a::外形框1);
  auto& c = w.controls;
  c.push_back(bodyLabel(a::标签7, "标签7", {16, 111, 344, 44},
                        "使用说明：\r\n进入游戏后，请在游戏设置中把窗口模式设为无边框。", kBody));
  c.push_back(bodyLabel(a::标签6, "标签6", {16, 161, 344, 59},
                        "感谢各位玩家的支持与反馈，特别鸣谢：\r\n"
                        "棋盘客、铲铲侠、金币控、连胜王、夜猫子、布阵喵",
                        kAboutBody, true, true));
  c.push_back(bodyButton(a::超级按钮1, "超级按钮1", {131, 75, 80, 25}, true, "立即更新"));
  // The version check replaces both version lines.
  c.push_back(bodyLabel(a::标签5, "标签5", {16, 78, 128, 21}, "最新版本：VX.X", kAboutBody, true, true));
  c.push_back(bodyLabel(a::标签4, "标签4", {16, 50, 328, 21}, "当前版本：VX.X", kAboutBody));
  c.push_back(bodyLabel(a::标签3, "标签3", {16, 220, 112, 21}, "官方微博：阵匣", kAboutBody, false));
  c.push_back(bodyButton(a::超级按钮2, "超级按钮2", {132, 218, 80, 25}, false, "关注微博"));
  c.push_back(bodyButton(a::超级按钮3, "超级按钮3", {224, 218, 64, 25}, false, "打赏"));
  c.push_back(
      bodyLabel(a::标签1, "标签1", {16, 16, 344, 30}, "热爱对战，轻松布阵！新手必备！永久免费！", kBody));
  // A left press on the body is bound to a handler that does nothing.
  c.push_back(shapeBox(a::外形框2, "外形框2", {0, 26, 376, 250}, kBody, {Event::LeftButtonPressed}));
  c.push_back(shapeBox(a::外形框1, "外形框1", {0, 0, 211, 26}, kStrip));
  c.push_back(logo(a::LOGO, a::外形框1));
  c.push_back(closeButton(a::关闭按钮, a::外形框1, 170));
  c.push_back(titleLabel(a::标签2, a::外形框1, 130, "Vexbox(阵匣)关于"));
  return w;
}

}  // namespace

const WindowLayout& aboutWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
