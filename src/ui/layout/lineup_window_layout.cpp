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
  return picBox({.id = lw::kMyLineupMarks[k - 1],
                 .name = numbered("图片框", k),
                 .parent = parent,
                 .box = box,
                 .picture = assets::layoutSlotMarkerPng.bytes(),
                 .visible = false,
                 .fit = PictureFit::Stretch});
}

// 1..20 are the champion choices (upper row, hidden), 21..30 the chosen
// lineup (lower row, shown).
ControlState pickerButton(int n) {
  const bool chosen = n > 20;
  const std::int32_t id = chosen ? lw::kMyLineupButtons[n - 21] : lw::kPickerButtons[n - 1];
  const Box box = chosen ? Box{14 + 26 * (n - 21), 86, 22, 22} : Box{14 + 26 * (n - 1), 31, 22, 22};
  return superBtn({.id = id,
                   .name = numbered("英雄列表按钮", n),
                   .parent = lw::外形框2,
                   .box = box,
                   .visible = chosen,
                   .look = chosen ? kStripLook : kCellLook,
                   .pointer = Pointer::Hand});
}

// The buttons on the panel 外形框2.
ControlState panelButton(ButtonRow row) {
  row.parent = lw::外形框2;
  row.look = kPanelLook;
  row.pointer = Pointer::Hand;
  return superBtn(std::move(row));
}

ControlState costButton(int cost, int left) {
  return panelButton({.id = lw::kCostButtons[cost - 1],
                      .name = numbered("花费列表按钮", cost),
                      .box = {left, 9, 24, 12},
                      .caption = std::to_string(cost),
                      .hint = std::to_string(cost) + "费",
                      .picture = assets::layoutCoinPng.bytes()});
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
  WindowLayout w{.id = kLineupWindow,
                 .caption = "阵容",
                 .width = 542,
                 .height = 380,
                 .background = kKey,
                 .dragControl = lw::外形框1};
  auto& c = w.controls;
  c.push_back(menuButton({.id = lw::英雄按钮,
                          .strip = lw::外形框1,
                          .left = 160,
                          .width = 40,
                          .name = "英雄按钮",
                          .caption = "英雄"}));
  // The picker writes the game version here when the window opens.
  c.push_back(label({.id = lw::标签1,
                     .name = "标签1",
                     .parent = lw::外形框1,
                     .box = {49, 1, 94, 24},
                     .caption = "游戏版本：X.XX",
                     .back = kStrip}));
  for (int k = 10; k >= 1; --k) c.push_back(slotMark(k));
  // Never shown; its click is bound to a handler that does nothing.
  c.push_back(panelButton({.id = lw::使用按钮,
                           .name = "使用按钮",
                           .box = {210, 65, 24, 12},
                           .visible = false,
                           .caption = "使用"}));
  c.push_back(panelButton({.id = lw::清空按钮,
                           .name = "清空按钮",
                           .box = {243, 65, 24, 12},
                           .caption = "清空",
                           .hint = "清空我的阵容"}));
  c.push_back(superBtn({.id = lw::花费列表按钮6,
                        .name = "花费列表按钮6",
                        .parent = lw::外形框2,
                        .box = {14, 65, 50, 12},
                        .look = kPanelLook,
                        .caption = "我的阵容"}));
  c.push_back(costButton(5, 159));
  c.push_back(costButton(4, 122));
  c.push_back(costButton(3, 86));
  c.push_back(costButton(2, 50));
  for (int n = 21; n <= 30; ++n) c.push_back(pickerButton(n));
  c.push_back(costButton(1, 14));
  for (int n = 20; n >= 1; --n) c.push_back(pickerButton(n));
  c.push_back(shapeBox({.id = lw::外形框2, .name = "外形框2", .box = {0, 26, 542, 124}, .fill = kBody}));
  c.push_back(minimiseButton({.id = lw::最小化按钮, .strip = lw::外形框1, .left = 200}));
  c.push_back(shapeBox({.id = lw::外形框1, .name = "外形框1", .box = {0, 0, 281, 26}, .fill = kStrip}));
  c.push_back(logo({.id = lw::LOGO, .strip = lw::外形框1}));
  c.push_back(closeButton({.id = lw::关闭按钮, .strip = lw::外形框1, .left = 240}));
  c.push_back(titleLabel({.id = lw::标签2, .strip = lw::外形框1, .width = 34, .caption = "阵容"}));
  c.push_back(listView({.id = lw::阵容超级列表框,
                        .name = "阵容超级列表框",
                        .box = {0, 150, 542, 230},
                        .columns = lineupColumns()}));
  return w;
}

}  // namespace

const WindowLayout& lineupWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
