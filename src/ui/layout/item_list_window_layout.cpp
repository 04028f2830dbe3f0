// ItemListWindow: title strip over the item list.
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace il = item_list_window;

WindowLayout build() {
  WindowLayout w{.id = kItemListWindow,
                 .caption = "装备",
                 .width = 350,
                 .height = 359,
                 .left = 50,
                 .top = 50,
                 .background = kKey,
                 .dragControl = il::外形框1};
  auto& c = w.controls;
  c.push_back(listView({.id = il::装备超级列表框,
                        .name = "装备超级列表框",
                        .box = {0, 26, 350, 333},
                        .columns = {{"评级", 40, Align::Left},
                                    {"名称", 100, Align::Left},
                                    {"", 22, Align::Centre},
                                    {"", 22, Align::Centre},
                                    {"", 22, Align::Centre},
                                    {"效果", 500, Align::Left}}}));
  c.push_back(shapeBox({.id = il::外形框1, .name = "外形框1", .box = {0, 0, 141, 26}, .fill = kStrip}));
  c.push_back(logo({.id = il::LOGO, .strip = il::外形框1}));
  c.push_back(closeButton({.id = il::关闭按钮, .strip = il::外形框1, .left = 100}));
  c.push_back(titleLabel({.id = il::标签2, .strip = il::外形框1, .width = 34, .caption = "装备"}));
  return w;
}

}  // namespace

const WindowLayout& itemListWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
