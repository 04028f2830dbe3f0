// HeroListWindow: title strip over the champion list.
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace h = hero_list_window;

WindowLayout build() {
  WindowLayout w = window(kHeroListWindow, "英雄", 329, 380, 0, 0, false, kKey, h::外形框1);
  auto& c = w.controls;
  c.push_back(listView(h::英雄超级列表框, "英雄超级列表框", {0, 26, 329, 354},
                       {{"评级", 40, Align::Left},
                        {"名称", 100, Align::Left},
                        {"", 22, Align::Centre},
                        {"花费", 40, Align::Left},
                        {"种族", 60, Align::Left},
                        {"职业", 50, Align::Left}}));
  c.push_back(shapeBox(h::外形框1, "外形框1", {0, 0, 141, 26}, kStrip));
  c.push_back(logo(h::LOGO, h::外形框1));
  c.push_back(closeButton(h::关闭按钮, h::外形框1, 100));
  c.push_back(titleLabel(h::标签2, h::外形框1, 34, "英雄"));
  return w;
}

}  // namespace

const WindowLayout& heroListWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
