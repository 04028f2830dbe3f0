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
  return superBtn(m::kHeroButtons[k - 1], numbered("英雄按钮", k).c_str(), 0, {55 * (k - 1), 36, 47, 47},
                  false, kSlotLook, Pointer::Hand, {Event::Clicked});
}

// Carry k; its marker sits at the carry's lower right.
constexpr int kCoreLeft[] = {210, 262, 313, 365, 417};

ControlState coreHero(int k) {
  ControlState c = superBtn(m::kCoreHeroButtons[k - 1], numbered("核心英雄", k).c_str(), 0,
                            {kCoreLeft[k - 1], 96, 47, 47}, false, kCoreHeroLook, Pointer::Arrow, {});
  c.tabStop = false;
  return c;
}

ControlState carryMark(int k) {
  return picBox(m::kCoreMarks[k - 1], numbered("图片框", k).c_str(), 0, {kCoreLeft[k - 1] + 31, 127, 14, 14},
                assets::layoutCarryMarkerPng.bytes(), false);
}

ControlState itemCell(std::int32_t id, const std::string& name, Box box) {
  return superBtn(id, name.c_str(), 0, box, false, kCellLook, Pointer::Arrow, {});
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
  WindowLayout w = window(kMainWindow, "Vexbox(阵匣)V2.0", 542, 150, 0, 0, false, kKey, m::外形框1);
  auto& c = w.controls;
  c.push_back(heroSlot(10));
  c.push_back(carryMark(5));
  c.push_back(coreHero(5));
  c.push_back(carryMark(4));
  c.push_back(coreHero(4));
  c.push_back(carryMark(3));
  c.push_back(carryMark(2));
  c.push_back(carryMark(1));
  c.push_back(logo(m::LOGO, m::外形框1));
  c.push_back(menuButton(m::阵容菜单按钮, "阵容菜单按钮", m::外形框1, 170, 40, "阵容"));
  c.push_back(menuButton(m::装备图菜单按钮, "装备图菜单按钮", m::外形框1, 210, 50, "装备图"));
  c.push_back(menuButton(m::关于菜单按钮, "关于菜单按钮", m::外形框1, 260, 40, "关于"));
  c.push_back(minimiseButton(m::最小化按钮, m::外形框1, 300));
  c.push_back(closeButton(m::关闭按钮, m::外形框1, 340));
  for (int k = 3; k >= 1; --k) c.push_back(coreHero(k));
  for (int k = 3; k >= 1; --k) {
    c.push_back(component(2 * k));
    c.push_back(component(2 * k - 1));
    c.push_back(coreItem(k));
  }
  c.push_back(superBtn(m::英雄详情, "英雄详情", 0, {0, 96, 47, 47}, false, kSlotLook, Pointer::Arrow, {}));
  for (int k = 9; k >= 1; --k) c.push_back(heroSlot(k));
  // Replaced at start by the title with the version.
  c.push_back(titleLabel(m::标签2, m::外形框1, 138, "Vexbox(阵匣)"));
  c.push_back(shapeBox(m::外形框1, "外形框1", {0, 0, 381, 26}, kStrip));
  return w;
}

}  // namespace

const WindowLayout& mainWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
