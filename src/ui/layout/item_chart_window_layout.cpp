// ItemChartWindow: the title strip and the 9x9 grid of item cells 装备1..81.
#include "ui/layout/layout_pictures.h"
#include "ui/layout/layout_rows.h"
#include "ui/layout/layouts.h"

namespace vex::layout {
namespace {

using namespace rows;
namespace ic = item_chart_window;

// Cell n: the top row (base items by column) takes clicks with the hand,
// the left column (base items by row) takes clicks with the arrow, the
// corner 装备1 also toggles on the right button; inner cells only show.
ControlState chartCell(int n) {
  const int row = (n - 1) / ic::kChartColumns, column = (n - 1) % ic::kChartColumns;
  const bool topRow = row == 0, leftColumn = column == 0 && row > 0;
  ControlState c =
      superBtn(ic::kChartCells[n - 1], numbered("装备", n).c_str(), 0, {37 * column, 31 + 37 * row, 32, 32},
               true, kCellLook, topRow ? Pointer::Hand : Pointer::Arrow, {});
  if (topRow || leftColumn) c.events.push_back(Event::Clicked);
  if (n == 1) {
    c.hint = "全开/半开";
    c.picture = assets::layoutChartCornerPng.bytes();
    c.events.push_back(Event::RightButtonPressed);
  }
  return c;
}

WindowLayout build() {
  WindowLayout w = window(kItemChartWindow, "合成图", 328, 359, 0, 0, true, kKey, ic::外形框1);
  auto& c = w.controls;
  c.push_back(menuButton(ic::英雄按钮, "英雄按钮", ic::外形框1, 80, 40, "装备"));
  c.push_back(minimiseButton(ic::最小化按钮, ic::外形框1, 120));
  // Bottom row first, each row left to right; the top row last, right to left.
  for (int row = ic::kChartColumns - 1; row >= 1; --row)
    for (int column = 0; column < ic::kChartColumns; ++column)
      c.push_back(chartCell(row * ic::kChartColumns + column + 1));
  for (int n = ic::kChartColumns; n >= 1; --n) c.push_back(chartCell(n));
  c.push_back(shapeBox(ic::外形框1, "外形框1", {0, 0, 201, 26}, kStrip));
  c.push_back(logo(ic::LOGO, ic::外形框1));
  c.push_back(closeButton(ic::关闭按钮, ic::外形框1, 160));
  c.push_back(titleLabel(ic::标签2, ic::外形框1, 42, "装备图"));
  return w;
}

}  // namespace

const WindowLayout& itemChartWindowLayout() {
  static const WindowLayout kLayout = build();
  return kLayout;
}

}  // namespace vex::layout
