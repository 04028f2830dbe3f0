// ItemListWindow: title strip over the item list.
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace il = item_list_window;

WindowLayout build() {
  WindowLayout w = window(kItemListWindow, "装备", 350, 359, 50, 50, false, kKey, il::外形框1);
  auto& c = w.controls;
  c.push_back(listView(il::装备超级列表框, "装备超级列表框", {0, 26, 350, 333},
                       {{"评级", 40, Align::Left},
                        {"名称", 100, Align::Left},
                        {"", 22, Align::Centre},
                        {"", 22, Align::Centre},
                        {"", 22, Align::Centre},
                        {"效果", 500, Align::Left}}));
  c.push_back(shapeBox(il::外形框1, "外形框1", {0, 0, 141, 26}, kStrip));
  c.push_back(logo(il::LOGO, il::外形框1));
  c.push_back(closeButton(il::关闭按钮, il::外形框1, 100));
  c.push_back(titleLabel(il::标签2, il::外形框1, 34, "装备"));
  return w;
}

}  // namespace

const WindowLayout& itemListWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
