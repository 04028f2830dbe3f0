// LineupWindow: title strip, the "my lineup" panel 外形框2 with cost
// filters, 20 champion choices, 10 chosen slots and their markers, and
// the lineup list below.
#include <string>

#include "ui/layout/layout_pictures.h"
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace lw = lineup_window;

// Window-relative left of the markers 图片框2..10 (图片框1 sits in 外形框2).
constexpr int kMarkLeft[] = {0, 56, 82, 108, 133, 160, 186, 212, 238, 263};

ControlState slotMark(int k) {
  const std::int32_t parent = k == 1 ? lw::外形框2 : 0;
  const Box box = k == 1 ? Box{30, 102, 6, 6} : Box{kMarkLeft[k - 1], 128, 6, 6};
  return picBox(lw::kMyLineupMarks[k - 1], numbered("图片框", k).c_str(), parent, box,
                assets::layoutSlotMarkerPng.bytes(), false, PictureFit::Stretch);
}

// 1..20 are the champion choices (upper row, hidden), 21..30 the chosen
// lineup (lower row, shown).
ControlState pickerButton(int n) {
  const bool chosen = n > 20;
  const std::int32_t id = chosen ? lw::kMyLineupButtons[n - 21] : lw::kPickerButtons[n - 1];
  const Box box = chosen ? Box{14 + 26 * (n - 21), 86, 22, 22} : Box{14 + 26 * (n - 1), 31, 22, 22};
  return superBtn(id, numbered("英雄列表按钮", n).c_str(), lw::外形框2, box, chosen,
                  chosen ? kStripLook : kCellLook, Pointer::Hand, {Event::Clicked});
}

ControlState costButton(int cost, int left) {
  ControlState c = superBtn(lw::kCostButtons[cost - 1], numbered("花费列表按钮", cost).c_str(), lw::外形框2,
                            {left, 9, 24, 12}, true, kPanelLook, Pointer::Hand, {Event::Clicked});
  c.caption = std::to_string(cost);
  c.hint = std::to_string(cost) + "费";
  c.picture = assets::layoutCoinPng.bytes();
  return c;
}

ControlState panelButton(std::int32_t id, const char* name, Box box, bool visible, const char* caption) {
  ControlState c = superBtn(id, name, lw::外形框2, box, visible, kPanelLook, Pointer::Hand, {Event::Clicked});
  c.caption = caption;
  return c;
}

std::vector<ListColumn> lineupColumns() {
  std::vector<ListColumn> columns{{"评级", 40, Align::Left}, {"名称", 135, Align::Left}};
  for (int i = 0; i < lw::kBoardColumns; ++i) columns.push_back({"", 22, Align::Centre});
  columns.push_back({"作者", 90, Align::Left});
  for (const char* title : {"阵容核心", "前期推荐", "中期过渡", "最终阵容"})
    columns.push_back({title, 200, Align::Left});
  columns.push_back({"ID", 30, Align::Left});
  return columns;
}

WindowLayout build() {
  WindowLayout w = window(kLineupWindow, "阵容", 542, 380, 0, 0, false, kKey, lw::外形框1);
  auto& c = w.controls;
  c.push_back(menuButton(lw::英雄按钮, "英雄按钮", lw::外形框1, 160, 40, "英雄"));
  // The picker writes the game version here when the window opens.
  c.push_back(label(lw::标签1, "标签1", lw::外形框1, {49, 1, 94, 24}, "游戏版本：X.XX", kLight, kStrip));
  for (int k = 10; k >= 1; --k) c.push_back(slotMark(k));
  // Never shown; its click is bound to a handler that does nothing.
  c.push_back(panelButton(lw::使用按钮, "使用按钮", {210, 65, 24, 12}, false, "使用"));
  c.push_back(panelButton(lw::清空按钮, "清空按钮", {243, 65, 24, 12}, true, "清空"));
  c.back().hint = "清空我的阵容";
  ControlState myLineup = superBtn(lw::花费列表按钮6, "花费列表按钮6", lw::外形框2, {14, 65, 50, 12}, true,
                                   kPanelLook, Pointer::Arrow, {});
  myLineup.caption = "我的阵容";
  c.push_back(myLineup);
  c.push_back(costButton(5, 159));
  c.push_back(costButton(4, 122));
  c.push_back(costButton(3, 86));
  c.push_back(costButton(2, 50));
  for (int n = 21; n <= 30; ++n) c.push_back(pickerButton(n));
  c.push_back(costButton(1, 14));
  for (int n = 20; n >= 1; --n) c.push_back(pickerButton(n));
  c.push_back(shapeBox(lw::外形框2, "外形框2", {0, 26, 542, 124}, kBody));
  c.push_back(minimiseButton(lw::最小化按钮, lw::外形框1, 200));
  c.push_back(shapeBox(lw::外形框1, "外形框1", {0, 0, 281, 26}, kStrip));
  c.push_back(logo(lw::LOGO, lw::外形框1));
  c.push_back(closeButton(lw::关闭按钮, lw::外形框1, 240));
  c.push_back(titleLabel(lw::标签2, lw::外形框1, 34, "阵容"));
  c.push_back(listView(lw::阵容超级列表框, "阵容超级列表框", {0, 150, 542, 230}, lineupColumns(),
                       {Event::ListClicked}));
  return w;
}

}  // namespace

const WindowLayout& lineupWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
