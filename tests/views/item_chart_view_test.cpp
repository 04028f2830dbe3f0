#include "views/item_chart_view.h"

#include "data/picture_set.h"
#include "view_fixture.h"

namespace vex::test {
namespace {

namespace ic = layout::item_chart_window;

class ChartTest : public ViewTest {
 protected:
  ChartTest() { ui.open(layout::kItemChartWindow); }

  // Cell k is 装备k.
  const ControlState& cell(int k) const {
    return ui.control({layout::kItemChartWindow, ic::kChartCells[k - 1]});
  }
  void clickCell(int k) { click(layout::kItemChartWindow, ic::kChartCells[k - 1]); }

  // Visible cells 2..81 (the corner keeps its own picture).
  std::vector<int> shownCells() const {
    std::vector<int> shown;
    for (int k = 2; k <= 81; ++k)
      if (cell(k).visible) shown.push_back(k);
    return shown;
  }

  // The grid shows `variant`; every shown cell's picture and hint are its item's.
  void expectShows(const NumberList& variant) {
    ASSERT_EQ(variant.count(), 81);
    for (int k = 2; k <= 81; ++k) {
      const int item = variant[k];
      EXPECT_EQ(cell(k).visible, item > 0) << k;
      if (item <= 0) continue;
      EXPECT_EQ(cell(k).hint, tables.items.names[item] + "：" + tables.items.effects[item]) << k;
      EXPECT_EQ(cell(k).picture, pictureOf(tables.items.pictures, item - 1)) << k;
    }
  }

  static bool isHeader(int k) { return k <= 9 || (k - 1) % 9 == 0; }
};

TEST_F(ChartTest, OpensWithTheFullGridBesideMainWindow) {
  EXPECT_EQ(chart.ChartCells.count(), 81);
  expectShows(chart.variants.full);
  EXPECT_EQ(shownCells().size(), 80u);
  EXPECT_EQ(cell(1).hint, layout::findControl(layout::itemChartWindowLayout(), ic::kChartCells[0])->hint);
  EXPECT_EQ(cell(2).hint, "暴风大剑：+20点攻击力");
  EXPECT_EQ(ui.windowLeft(layout::kItemChartWindow), 100 + 552);
  EXPECT_EQ(ui.windowTop(layout::kItemChartWindow), 50);
  EXPECT_EQ(shell.placements.back(), (Placement{layout::kItemChartWindow, layout::kMainWindow, 552, 0}));
  EXPECT_EQ(shell.layered.back(), layout::kItemChartWindow);
}

TEST_F(ChartTest, CornerSwitchesBetweenFullGridAndUpperHalf) {
  clickCell(1);
  EXPECT_EQ(chart.chartToggle, 1);
  expectShows(chart.variants.upperHalf);
  int inner = 0;
  for (int k : shownCells()) inner += !isHeader(k);
  EXPECT_EQ(inner, 36);
  clickCell(1);
  EXPECT_EQ(chart.chartToggle, 0);
  expectShows(chart.variants.full);
}

TEST_F(ChartTest, HeaderClicksNarrowToAColumnThenHeadersOnly) {
  clickCell(6);
  EXPECT_EQ(chart.chartToggle, 1);
  const int column5[] = {15, 24, 33, 42, 51, 60, 69, 78};
  const int items[] = {33, 13, 16, 11, 19, 42, 38, 31};
  for (int i = 0; i < 8; ++i) {
    EXPECT_TRUE(cell(column5[i]).visible);
    EXPECT_EQ(cell(column5[i]).hint, itemTooltip(tables.items, items[i]));
  }
  for (int k : shownCells()) EXPECT_TRUE(isHeader(k) || (k - 1) % 9 == 5) << k;
  EXPECT_EQ(shownCells().size(), 16u + 8u);

  clickCell(3);
  EXPECT_EQ(chart.chartToggle, 0);
  EXPECT_EQ(shownCells(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ChartTest, RightPressHidesAllButTheHeaderRowAndKeepsTheToggle) {
  clickCell(1);
  ui.raise({layout::kItemChartWindow, ic::kChartCells[0]}, Event::RightButtonPressed);
  EXPECT_EQ(chart.chartToggle, 1);
  EXPECT_EQ(shownCells(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(cell(10).hint, "");
}

TEST_F(ChartTest, RowHeaderShowsItsRow) {
  ui.raise({layout::kItemChartWindow, ic::kChartCells[0]}, Event::RightButtonPressed);
  clickCell(28);  // row 3
  EXPECT_EQ(chart.chartToggle, 1);
  for (int k : shownCells()) EXPECT_TRUE(isHeader(k) || (k - 1) / 9 == 3) << k;
  for (int c = 1; c <= 8; ++c) {
    const int k = 27 + c + 1;
    EXPECT_TRUE(cell(k).visible);
    EXPECT_EQ(cell(k).hint, itemTooltip(tables.items, chart.variants.full[k]));
  }
  clickCell(2);
  EXPECT_EQ(chart.chartToggle, 0);
  EXPECT_EQ(shownCells(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ChartTest, RowVariantsFollowTheColumnVariants) {
  // Column j's variant transposed is row j's: the chart is symmetric.
  for (int j = 1; j <= 8; ++j) {
    const NumberList& column = chart.variants.columns[j];
    const NumberList& row = chart.variants.rows[j];
    ASSERT_EQ(row.count(), 81);
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c)
        EXPECT_EQ(row[9 * r + c + 1], column[9 * c + r + 1]) << j << ":" << r << "," << c;
  }
  EXPECT_TRUE(chartRowVariant(chart.variants.full, 0).empty());
  EXPECT_TRUE(chartRowVariant(chart.variants.full, 9).empty());
  EXPECT_TRUE(chartRowVariant(NumberList{1, 2, 3}, 1).empty());
}

TEST_F(ChartTest, ToggleSurvivesReopeningAndTheGridStartsFull) {
  clickCell(1);
  click(layout::kItemChartWindow, ic::关闭按钮);
  EXPECT_FALSE(ui.isOpen(layout::kItemChartWindow));
  ui.open(layout::kItemChartWindow);
  expectShows(chart.variants.full);
  EXPECT_EQ(chart.chartToggle, 1);
  EXPECT_EQ(chart.ChartCells.count(), 81);
  clickCell(5);  // toggle set: headers only
  EXPECT_EQ(shownCells(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ChartTest, EmptyVariantChangesNothing) {
  showChart(views, NumberList{});
  expectShows(chart.variants.full);
}

TEST_F(ChartTest, WindowButtonsAndItemList) {
  click(layout::kItemChartWindow, ic::英雄按钮);
  ASSERT_TRUE(ui.isOpen(layout::kItemListWindow));
  EXPECT_EQ(ui.window(layout::kItemListWindow)->owner, layout::kItemChartWindow);
  EXPECT_EQ(shell.placements.back(), (Placement{layout::kItemListWindow, layout::kItemChartWindow, 338, 0}));
  EXPECT_EQ(ui.windowLeft(layout::kItemListWindow), 100 + 552 + 338);
  click(layout::kItemChartWindow, ic::最小化按钮);
  EXPECT_EQ(backend.minimised, std::vector<std::int32_t>{layout::kItemChartWindow});
  click(layout::kItemChartWindow, ic::关闭按钮);
  EXPECT_FALSE(ui.isOpen(layout::kItemChartWindow));
  EXPECT_FALSE(ui.isOpen(layout::kItemListWindow));
}

}  // namespace
}  // namespace vex::test
