// MainWindow: the title strip with the menu, and the lineup display below
// it (champion row at top 36, detail row at 96, marker row at 127), all
// hidden until the lineup view fills them.
#include "ui/layout/layout_pictures.h"
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace m = main_window;

// Champion slot k of the final-board row.
ControlState heroSlot(int k) {
  return superBtn({.id = m::kHeroButtons[k - 1],
                   .name = numbered("英雄按钮", k),
                   .box = {55 * (k - 1), 36, 47, 47},
                   .visible = false,
                   .look = kSlotLook,
                   .pointer = Pointer::Hand});
}

// Carry k; its marker sits at the carry's lower right.
constexpr int kCoreLeft[] = {210, 262, 313, 365, 417};

ControlState coreHero(int k) {
  return superBtn({.id = m::kCoreHeroButtons[k - 1],
                   .name = numbered("核心英雄", k),
                   .box = {kCoreLeft[k - 1], 96, 47, 47},
                   .visible = false,
                   .look = kCoreHeroLook,
                   .tabStop = false});
}

ControlState carryMark(int k) {
  return picBox({.id = m::kCoreMarks[k - 1],
                 .name = numbered("图片框", k),
                 .box = {kCoreLeft[k - 1] + 31, 127, 14, 14},
                 .picture = assets::layoutCarryMarkerPng.bytes(),
                 .visible = false});
}

ControlState itemCell(std::int32_t id, std::string name, Box box) {
  return superBtn({.id = id, .name = std::move(name), .box = box, .visible = false, .look = kCellLook});
}

// Recommended item k, with its two components below it.
ControlState coreItem(int k) {
  constexpr Box kBoxes[] = {{60, 90, 32, 32}, {112, 91, 32, 32}, {164, 91, 32, 32}};
  return itemCell(m::kCoreItemButtons[k - 1], numbered("核心装备", k), kBoxes[k - 1]);
}

ControlState component(int k) {
  constexpr int kLeft[] = {53, 78, 105, 130, 157, 182};
  return itemCell(m::kComponentButtons[k - 1], numbered("合成装备", k), {kLeft[k - 1], 128, 22, 22});
}

WindowLayout build() {
  WindowLayout w{.id = kMainWindow,
                 .caption = "Vexbox(阵匣)V2.0",
                 .width = 542,
                 .height = 150,
                 .background = kKey,
                 .dragControl = m::外形框1};
  auto& c = w.controls;
  c.push_back(heroSlot(10));
  c.push_back(carryMark(5));
  c.push_back(coreHero(5));
  c.push_back(carryMark(4));
  c.push_back(coreHero(4));
  c.push_back(carryMark(3));
  c.push_back(carryMark(2));
  c.push_back(carryMark(1));
  c.push_back(logo({.id = m::LOGO, .strip = m::外形框1}));
  c.push_back(menuButton({.id = m::阵容菜单按钮,
                          .strip = m::外形框1,
                          .left = 170,
                          .width = 40,
                          .name = "阵容菜单按钮",
                          .caption = "阵容"}));
  c.push_back(menuButton({.id = m::装备图菜单按钮,
                          .strip = m::外形框1,
                          .left = 210,
                          .width = 50,
                          .name = "装备图菜单按钮",
                          .caption = "装备图"}));
  c.push_back(menuButton({.id = m::关于菜单按钮,
                          .strip = m::外形框1,
                          .left = 260,
                          .width = 40,
                          .name = "关于菜单按钮",
                          .caption = "关于"}));
  c.push_back(minimiseButton({.id = m::最小化按钮, .strip = m::外形框1, .left = 300}));
  c.push_back(closeButton({.id = m::关闭按钮, .strip = m::外形框1, .left = 340}));
  for (int k = 3; k >= 1; --k) c.push_back(coreHero(k));
  for (int k = 3; k >= 1; --k) {
    c.push_back(component(2 * k));
    c.push_back(component(2 * k - 1));
    c.push_back(coreItem(k));
  }
  c.push_back(superBtn(
      {.id = m::英雄详情, .name = "英雄详情", .box = {0, 96, 47, 47}, .visible = false, .look = kSlotLook}));
  for (int k = 9; k >= 1; --k) c.push_back(heroSlot(k));
  // Replaced at start by the title with the version.
  c.push_back(titleLabel({.id = m::标签2, .strip = m::外形框1, .width = 138, .caption = "Vexbox(阵匣)"}));
  c.push_back(shapeBox({.id = m::外形框1, .name = "外形框1", .box = {0, 0, 381, 26}, .fill = kStrip}));
  return w;
}

}  // namespace

const WindowLayout& mainWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
