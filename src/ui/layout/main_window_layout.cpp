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

ControlState heroSlot(std::int32_t id, const char* name, int left) {
  return superBtn(id, name, 0, {left, 36, 47, 47}, false, kSlotLook, Pointer::Hand, {Event::Clicked});
}

ControlState coreHero(std::int32_t id, const char* name, int left) {
  ControlState c = superBtn(id, name, 0, {left, 96, 47, 47}, false, kCoreHeroLook, Pointer::Arrow, {});
  c.tabStop = false;
  return c;
}

ControlState carryMark(std::int32_t id, const char* name, int left) {
  return picBox(id, name, 0, {left, 127, 14, 14}, assets::layoutCarryMarkerPng.bytes(), false);
}

ControlState itemCell(std::int32_t id, const char* name, Box box) {
  return superBtn(id, name, 0, box, false, kCellLook, Pointer::Arrow, {});
}

WindowLayout build() {
  WindowLayout w = window(kMainWindow, "Vexbox(阵匣)V2.0", 542, 150, 0, 0, false, kKey, m::外形框1);
  auto& c = w.controls;
  c.push_back(heroSlot(m::英雄按钮10, "英雄按钮10", 495));
  c.push_back(carryMark(m::图片框5, "图片框5", 448));
  c.push_back(coreHero(m::核心英雄5, "核心英雄5", 417));
  c.push_back(carryMark(m::图片框4, "图片框4", 396));
  c.push_back(coreHero(m::核心英雄4, "核心英雄4", 365));
  c.push_back(carryMark(m::图片框3, "图片框3", 344));
  c.push_back(carryMark(m::图片框2, "图片框2", 293));
  c.push_back(carryMark(m::图片框1, "图片框1", 241));
  c.push_back(logo(m::LOGO, m::外形框1));
  c.push_back(menuButton(m::阵容菜单按钮, "阵容菜单按钮", m::外形框1, 170, 40, "阵容"));
  c.push_back(menuButton(m::装备图菜单按钮, "装备图菜单按钮", m::外形框1, 210, 50, "装备图"));
  c.push_back(menuButton(m::关于菜单按钮, "关于菜单按钮", m::外形框1, 260, 40, "关于"));
  c.push_back(minimiseButton(m::最小化按钮, m::外形框1, 300));
  c.push_back(closeButton(m::关闭按钮, m::外形框1, 340));
  c.push_back(coreHero(m::核心英雄3, "核心英雄3", 313));
  c.push_back(coreHero(m::核心英雄2, "核心英雄2", 262));
  c.push_back(coreHero(m::核心英雄1, "核心英雄1", 210));
  c.push_back(itemCell(m::合成装备6, "合成装备6", {182, 128, 22, 22}));
  c.push_back(itemCell(m::合成装备5, "合成装备5", {157, 128, 22, 22}));
  c.push_back(itemCell(m::核心装备3, "核心装备3", {164, 91, 32, 32}));
  c.push_back(itemCell(m::合成装备4, "合成装备4", {130, 128, 22, 22}));
  c.push_back(itemCell(m::合成装备3, "合成装备3", {105, 128, 22, 22}));
  c.push_back(itemCell(m::核心装备2, "核心装备2", {112, 91, 32, 32}));
  c.push_back(itemCell(m::合成装备2, "合成装备2", {78, 128, 22, 22}));
  c.push_back(itemCell(m::合成装备1, "合成装备1", {53, 128, 22, 22}));
  c.push_back(itemCell(m::核心装备1, "核心装备1", {60, 90, 32, 32}));
  c.push_back(superBtn(m::英雄详情, "英雄详情", 0, {0, 96, 47, 47}, false, kSlotLook, Pointer::Arrow, {}));
  c.push_back(heroSlot(m::英雄按钮9, "英雄按钮9", 440));
  c.push_back(heroSlot(m::英雄按钮8, "英雄按钮8", 385));
  c.push_back(heroSlot(m::英雄按钮7, "英雄按钮7", 330));
  c.push_back(heroSlot(m::英雄按钮6, "英雄按钮6", 275));
  c.push_back(heroSlot(m::英雄按钮5, "英雄按钮5", 220));
  c.push_back(heroSlot(m::英雄按钮4, "英雄按钮4", 165));
  c.push_back(heroSlot(m::英雄按钮3, "英雄按钮3", 110));
  c.push_back(heroSlot(m::英雄按钮2, "英雄按钮2", 55));
  c.push_back(heroSlot(m::英雄按钮1, "英雄按钮1", 0));
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
