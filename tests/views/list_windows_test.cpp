#include "views/list_windows.h"

#include "view_fixture.h"

namespace vex::test {
namespace {

namespace hl = layout::hero_list_window;
namespace il = layout::item_list_window;

constexpr ControlRef kChampions{layout::kHeroListWindow, hl::英雄超级列表框};
constexpr ControlRef kItems{layout::kItemListWindow, il::装备超级列表框};

class ListTest : public ViewTest {
 protected:
  ListTest() {
    ui.open(layout::kLineupWindow);
    ui.moveWindow(layout::kLineupWindow, 30, 200);
    ui.open(layout::kItemChartWindow);
  }
  const ListCell& cellAt(ControlRef list, int row, int column) const {
    return ui.control(list).list.rows[row][column];
  }
};

TEST_F(ListTest, ChampionListIsSortedByRatingBesideTheLineupWindow) {
  click(layout::kLineupWindow, layout::lineup_window::英雄按钮);
  ASSERT_EQ(ui.listRowCount(kChampions), 51);
  EXPECT_EQ(ui.windowLeft(layout::kHeroListWindow), 30 + 552);
  EXPECT_EQ(ui.windowTop(layout::kHeroListWindow), 200);
  EXPECT_EQ(shell.layered.back(), layout::kHeroListWindow);
  EXPECT_EQ(ui.control(kChampions).list.pictureSet.data(), tables.champions.icons.data());
  EXPECT_EQ(ui.listCell(kChampions, 0, hl::kRatingColumn), "T1");
  EXPECT_EQ(ui.listCell(kChampions, 50, hl::kRatingColumn), "T6");
  std::vector<bool> seen(52);
  for (int r = 0; r < 51; ++r) {
    if (r > 0) {
      EXPECT_LE(ui.listCell(kChampions, r - 1, hl::kRatingColumn),
                ui.listCell(kChampions, r, hl::kRatingColumn));
    }
    const int n = cellAt(kChampions, r, hl::kIconColumn).image + 1;
    ASSERT_TRUE(n >= 1 && n <= 51);
    seen[n] = true;
    EXPECT_EQ(ui.listCell(kChampions, r, hl::kRatingColumn), tables.champions.ratings[n]);
    EXPECT_EQ(ui.listCell(kChampions, r, hl::kNameColumn), tables.champions.names[n]);
    const Text cost = ui.listCell(kChampions, r, hl::kCostColumn);
    EXPECT_TRUE(cost.size() == 1 && cost[0] >= '1' && cost[0] <= '5') << cost;
    EXPECT_EQ(cost, std::to_string(tables.champions.costs[n]));
    EXPECT_EQ(ui.listCell(kChampions, r, hl::kOriginColumn), tables.champions.origins[n]);
    EXPECT_EQ(ui.listCell(kChampions, r, hl::kClassColumn), tables.champions.classes[n]);
  }
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 51);
}

TEST_F(ListTest, ItemListPutsUnratedItemsLastAndBaseItemsHaveNoRecipe) {
  click(layout::kItemChartWindow, layout::item_chart_window::英雄按钮);
  ASSERT_EQ(ui.listRowCount(kItems), 44);
  EXPECT_EQ(ui.control(kItems).list.pictureSet.data(), tables.items.icons.data());
  bool unrated = false;
  int baseItems = 0;
  for (int r = 0; r < 44; ++r) {
    const Text rating = ui.listCell(kItems, r, il::kRatingColumn);
    if (rating == "待定")
      unrated = true;
    else
      EXPECT_FALSE(unrated) << "rated row " << r << " after a 待定 row";
    const int n = cellAt(kItems, r, il::kIconColumn).image + 1;
    ASSERT_TRUE(n >= 1 && n <= 44);
    EXPECT_EQ(ui.listCell(kItems, r, il::kNameColumn), tables.items.names[n]);
    EXPECT_EQ(ui.listCell(kItems, r, il::kEffectColumn), tables.items.effects[n]);
    const NumberList& parts = tables.items.components[n];
    if (parts.empty()) {
      ++baseItems;
      EXPECT_EQ(cellAt(kItems, r, il::kFirstPartColumn).image, -1);
      EXPECT_EQ(cellAt(kItems, r, il::kSecondPartColumn).image, -1);
    } else {
      EXPECT_EQ(cellAt(kItems, r, il::kFirstPartColumn).image, parts[1] - 1);
      EXPECT_EQ(cellAt(kItems, r, il::kSecondPartColumn).image, parts[2] - 1);
    }
  }
  EXPECT_TRUE(unrated);
  EXPECT_EQ(baseItems, 8);
}

TEST_F(ListTest, ReopeningRebuildsAndCloseButtonsClose) {
  click(layout::kLineupWindow, layout::lineup_window::英雄按钮);
  click(layout::kHeroListWindow, hl::关闭按钮);
  EXPECT_FALSE(ui.isOpen(layout::kHeroListWindow));
  click(layout::kLineupWindow, layout::lineup_window::英雄按钮);
  EXPECT_EQ(ui.listRowCount(kChampions), 51);
  // Closing the owner takes the list with it.
  click(layout::kLineupWindow, layout::lineup_window::关闭按钮);
  EXPECT_FALSE(ui.isOpen(layout::kHeroListWindow));

  click(layout::kItemChartWindow, layout::item_chart_window::英雄按钮);
  click(layout::kItemListWindow, il::关闭按钮);
  EXPECT_FALSE(ui.isOpen(layout::kItemListWindow));
}

}  // namespace
}  // namespace vex::test
