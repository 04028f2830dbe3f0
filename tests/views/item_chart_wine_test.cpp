// ItemChartWindow on real windows: placement, the grid's native visibility
// after clicks on the corner and the headers, and the cells' tooltips.
#include <gtest/gtest.h>

#include "native_probe.h"

namespace vex::test {
namespace {

namespace ic = layout::item_chart_window;
namespace mw = layout::main_window;

class ChartOnScreen : public ::testing::Test {
 protected:
  ChartOnScreen() {
    pointerAway();
    test::click(run, {layout::kMainWindow, mw::装备图菜单按钮}, 300);
  }

  static ControlRef cell(int k) { return {layout::kItemChartWindow, ic::chartCellId(k)}; }
  void click(int k) { test::click(run, cell(k), 150); }
  static bool isHeader(int k) { return k <= 9 || (k - 1) % 9 == 0; }
  // Cells 2..81 that are visible on screen.
  std::vector<int> shown() {
    std::vector<int> cells;
    for (int k = 2; k <= 81; ++k)
      if (showing(run, cell(k))) cells.push_back(k);
    return cells;
  }
  int shownInner() {
    int n = 0;
    for (int k : shown()) n += !isHeader(k);
    return n;
  }
  std::wstring tip(int k) { return tipOf(run, cell(k)); }
  std::wstring itemTip(int t) {
    const ItemTable& items = run.app().state().tables.items;
    return wide(items.names[t] + "：" + items.effects[t]);
  }

  RunningApp run;
};

TEST_F(ChartOnScreen, OpensBesideMainWindowWithTheFullGrid) {
  ASSERT_TRUE(run.ui().isOpen(layout::kItemChartWindow));
  const RECT m = screenRect(run.window(layout::kMainWindow)),
             c = screenRect(run.window(layout::kItemChartWindow));
  EXPECT_EQ(c.left, m.left + 552);
  EXPECT_EQ(c.top, m.top);
  EXPECT_EQ(shown().size(), 80u);
  EXPECT_TRUE(showing(run, cell(1)));
  EXPECT_EQ(tip(2), L"\u66b4\u98ce\u5927\u5251\uff1a+20\u70b9\u653b\u51fb\u529b");  // 暴风大剑：+20点攻击力
  const NumberList& full = run.app().state().chart.variants.full;
  for (int k = 2; k <= 81; ++k) {
    EXPECT_EQ(tip(k), itemTip(full[k])) << k;
  }
  EXPECT_GT(drawn(run, cell(11)).coloursInCentre(24), 10) << "an item picture is drawn";
}

TEST_F(ChartOnScreen, CornerSwitchesToTheUpperHalfAndBack) {
  click(1);
  EXPECT_EQ(shownInner(), 36);
  const NumberList& half = run.app().state().chart.variants.upperHalf;
  for (int k : shown()) EXPECT_EQ(tip(k), itemTip(half[k])) << k;
  click(1);
  EXPECT_EQ(shown().size(), 80u);

  // Both grids have been shown: hidden cells kept their pictures.
  const int decodes = run.app().backend().pictures().decodes();
  click(1);
  click(1);
  EXPECT_EQ(run.app().backend().pictures().decodes(), decodes);
  EXPECT_GT(drawn(run, cell(11)).coloursInCentre(24), 10);
}

TEST_F(ChartOnScreen, ColumnThenHeaderRowThenRightPressThenARow) {
  click(6);
  std::vector<int> column;
  for (int k : shown())
    if (!isHeader(k)) column.push_back(k);
  EXPECT_EQ(column, (std::vector<int>{15, 24, 33, 42, 51, 60, 69, 78})) << "column 5 only";
  EXPECT_EQ(shown().size(), 24u);

  click(4);
  EXPECT_EQ(shown(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9})) << "header row only";

  click(1);  // toggle clear: upper half
  click(1);  // toggle set: full grid
  ASSERT_EQ(shown().size(), 80u);
  rightClick(run, cell(1), 150);
  EXPECT_EQ(shown(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9})) << "header column and inner cells hidden";
  EXPECT_EQ(run.app().state().chart.chartToggle, 0) << "the press keeps the toggle";

  // The row headers are hidden now; back to the full grid, then a row header.
  click(1);
  click(1);
  ASSERT_TRUE(showing(run, cell(28)));
  click(28);
  std::vector<int> row;
  for (int k : shown())
    if (!isHeader(k)) row.push_back(k);
  EXPECT_EQ(row, (std::vector<int>{29, 30, 31, 32, 33, 34, 35, 36})) << "row 3 only";
  const NumberList& full = run.app().state().chart.variants.full;
  for (int k : row) EXPECT_EQ(tip(k), itemTip(full[k])) << k;
}

}  // namespace
}  // namespace vex::test
