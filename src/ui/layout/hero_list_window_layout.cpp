// HeroListWindow: title strip over the champion list.
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace h = hero_list_window;

WindowLayout build() {
  WindowLayout w{.id = kHeroListWindow,
                 .caption = "英雄",
                 .width = 329,
                 .height = 380,
                 .background = kKey,
                 .dragControl = h::外形框1};
  auto& c = w.controls;
  c.push_back(listView({.id = h::英雄超级列表框,
                        .name = "英雄超级列表框",
                        .box = {0, 26, 329, 354},
                        .columns = {{"评级", 40, Align::Left},
                                    {"名称", 100, Align::Left},
                                    {"", 22, Align::Centre},
                                    {"花费", 40, Align::Left},
                                    {"种族", 60, Align::Left},
                                    {"职业", 50, Align::Left}}}));
  c.push_back(shapeBox({.id = h::外形框1, .name = "外形框1", .box = {0, 0, 141, 26}, .fill = kStrip}));
  c.push_back(logo({.id = h::LOGO, .strip = h::外形框1}));
  c.push_back(closeButton({.id = h::关闭按钮, .strip = h::外形框1, .left = 100}));
  c.push_back(titleLabel({.id = h::标签2, .strip = h::外形框1, .width = 34, .caption = "英雄"}));
  return w;
}

}  // namespace

const WindowLayout& heroListWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
