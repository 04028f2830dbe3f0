// ItemChartWindow: the title strip and the 9x9 grid of item cells 装备1..81.
#include "ui/layout/layout_pictures.h"
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace ic = item_chart_window;

// Cell n: the top row (base items by column) shows the hand; the corner
// 装备1 shows its toggle. The views bind the clicks of the top row and the
// left column, and the corner's right button; inner cells only show.
ControlState chartCell(int n) {
  const int row = (n - 1) / ic::kChartColumns, column = (n - 1) % ic::kChartColumns;
  const bool topRow = row == 0;
  ButtonRow cell{.id = ic::kChartCells[n - 1],
                 .name = numbered("装备", n),
                 .box = {37 * column, 31 + 37 * row, 32, 32},
                 .look = kCellLook,
                 .pointer = topRow ? Pointer::Hand : Pointer::Arrow};
  if (n == 1) {
    cell.hint = "全开/半开";
    cell.picture = assets::layoutChartCornerPng.bytes();
  }
  return superBtn(std::move(cell));
}

WindowLayout build() {
  WindowLayout w{.id = kItemChartWindow,
                 .caption = "合成图",
                 .width = 328,
                 .height = 359,
                 .centred = true,
                 .background = kKey,
                 .dragControl = ic::外形框1};
  auto& c = w.controls;
  c.push_back(menuButton({.id = ic::英雄按钮,
                          .strip = ic::外形框1,
                          .left = 80,
                          .width = 40,
                          .name = "英雄按钮",
                          .caption = "装备"}));
  c.push_back(minimiseButton({.id = ic::最小化按钮, .strip = ic::外形框1, .left = 120}));
  // Bottom row first, each row left to right; the top row last, right to left.
  for (int row = ic::kChartColumns - 1; row >= 1; --row)
    for (int column = 0; column < ic::kChartColumns; ++column)
      c.push_back(chartCell(row * ic::kChartColumns + column + 1));
  for (int n = ic::kChartColumns; n >= 1; --n) c.push_back(chartCell(n));
  c.push_back(shapeBox({.id = ic::外形框1, .name = "外形框1", .box = {0, 0, 201, 26}, .fill = kStrip}));
  c.push_back(logo({.id = ic::LOGO, .strip = ic::外形框1}));
  c.push_back(closeButton({.id = ic::关闭按钮, .strip = ic::外形框1, .left = 160}));
  c.push_back(titleLabel({.id = ic::标签2, .strip = ic::外形框1, .width = 42, .caption = "装备图"}));
  return w;
}

}  // namespace

const WindowLayout& itemChartWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
