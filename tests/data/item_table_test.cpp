// The item table and the combination chart as loaded.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "data/game_tables.h"
#include "tables_fixture.h"

namespace vex {
namespace {

const ItemTable& items() { return test::loadedTables().items; }
const ChartVariants& charts() { return test::loadedTables().charts; }

// Element 9i + j + 1 of a chart.
int cell(const NumberList& chart, int i, int j) { return chart[9 * i + j + 1]; }

// The base item that stands for chart row or column k (1..8).
int baseAt(int k) { return cell(charts().full, 0, k); }

TEST(ItemTable, FortyFourItemsInEveryColumn) {
  const ItemTable& t = items();
  EXPECT_EQ(itemCount(t), 44);
  EXPECT_EQ(t.effects.count(), 44);
  EXPECT_EQ(t.components.count(), 44);
  EXPECT_EQ(t.ratings.count(), 44);
}

TEST(ItemTable, BaseItemsHaveNoRecipeCombinedItemsTwoBaseItems) {
  const ItemTable& t = items();
  for (int n = 1; n <= kBaseItemCount; ++n) EXPECT_TRUE(t.components[n].empty()) << n;
  for (int n = 9; n <= 44; ++n) {
    ASSERT_EQ(t.components[n].count(), 2) << n;
    for (int b : t.components[n]) {
      EXPECT_GE(b, 1);
      EXPECT_LE(b, 8);
    }
  }
  EXPECT_EQ(t.names[8], "铲子");
  EXPECT_EQ(t.effects[8], "特殊装备合成必备道具");
  EXPECT_EQ(t.names[43], "自然之力");
  EXPECT_EQ(t.components[43], (NumberList{8, 8}));
  EXPECT_EQ(t.effects[43], "获得1人口");
  EXPECT_EQ(t.components[12], (NumberList{4, 4}));
  EXPECT_EQ(t.components[18], (NumberList{2, 2}));
}

TEST(ItemTable, RatingCounts) {
  std::map<std::string, int> counts;
  for (const std::string& r : items().ratings) ++counts[r];
  const std::map<std::string, int> expected = {{"T1", 9}, {"T2", 10}, {"T3", 12},
                                               {"T4", 3}, {"T5", 3},  {"待定", 7}};
  EXPECT_EQ(counts, expected);
}

TEST(ItemTable, TooltipIsNameFullWidthColonEffect) {
  EXPECT_EQ(itemTooltip(items(), 1), "暴风大剑：+20点攻击力");
  EXPECT_EQ(itemTooltip(items(), 1), items().names[1] + "\xA3\xBA" + items().effects[1]);
}

TEST(ItemChart, HeadersHoldTheBaseItemsInChartOrder) {
  const NumberList& full = charts().full;
  ASSERT_EQ(full.count(), 81);
  EXPECT_EQ(cell(full, 0, 0), -1);
  const int order[] = {1, 3, 2, 4, 6, 7, 5, 8};
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(cell(full, 0, k), order[k - 1]);
    EXPECT_EQ(cell(full, k, 0), order[k - 1]);
  }
}

TEST(ItemChart, SymmetricWithEachCombinedItemOnceInTheUpperHalf) {
  const NumberList& full = charts().full;
  std::multiset<int> upper;
  for (int i = 0; i < 9; ++i) {
    for (int j = 0; j < 9; ++j) {
      EXPECT_EQ(cell(full, i, j), cell(full, j, i)) << i << "," << j;
      if (i >= 1 && j >= i) upper.insert(cell(full, i, j));
    }
  }
  std::multiset<int> combined;
  for (int n = 9; n <= 44; ++n) combined.insert(n);
  EXPECT_EQ(upper, combined);
  EXPECT_EQ(full[11], 37);  // two copies of item 1
}

TEST(ItemChart, RecipesAgreeWithTheChartExceptItems22_26_30) {
  const ItemTable& t = items();
  std::map<int, std::multiset<int>> placed;  // item -> the two base items of its chart cell
  for (int i = 1; i <= 8; ++i) {
    for (int j = i; j <= 8; ++j) placed[cell(charts().full, i, j)] = {baseAt(i), baseAt(j)};
  }
  std::set<int> disagree;
  for (int n = 9; n <= 44; ++n) {
    const std::multiset<int> recipe{t.components[n][1], t.components[n][2]};
    if (recipe != placed[n]) disagree.insert(n);
  }
  EXPECT_EQ(disagree, (std::set<int>{22, 26, 30}));
  EXPECT_EQ(t.components[22], (NumberList{1, 5}));
  EXPECT_EQ(placed[22], (std::multiset<int>{2, 5}));
  EXPECT_EQ(t.components[26], (NumberList{2, 8}));
  EXPECT_EQ(placed[26], (std::multiset<int>{7, 8}));
  EXPECT_EQ(t.components[30], (NumberList{1, 8}));
  EXPECT_EQ(placed[30], (std::multiset<int>{2, 8}));
}

TEST(ItemChart, EveryCellInRange) {
  for (int v : charts().full) {
    EXPECT_GE(v, -1);
    EXPECT_LE(v, 44);
  }
}

// Each variant: the corner and header row as in the full chart, and of the
// rest only the cells `keep` names; the others 0.
void expectVariant(const NumberList& variant, bool (*keep)(int i, int j, int column), int column) {
  ASSERT_EQ(variant.count(), 81);
  for (int i = 0; i < 9; ++i) {
    for (int j = 0; j < 9; ++j) {
      const bool kept = i == 0 || keep(i, j, column);
      EXPECT_EQ(cell(variant, i, j), kept ? cell(charts().full, i, j) : 0) << i << "," << j;
    }
  }
}

TEST(ItemChart, VariantsKeepTheirCellsAndZeroTheRest) {
  expectVariant(
      charts().upperHalf, [](int i, int j, int) { return j == 0 || j >= i; }, 0);
  expectVariant(
      charts().headersOnly, [](int, int, int) { return false; }, 0);
  ASSERT_EQ(charts().columns.count(), 8);
  for (int c = 1; c <= 8; ++c) {
    expectVariant(
        charts().columns[c], [](int, int j, int column) { return j == 0 || j == column; }, c);
  }
  int upperItems = 0;
  for (int i = 1; i < 9; ++i) {
    for (int j = i; j < 9; ++j) upperItems += cell(charts().upperHalf, i, j) > 0;
  }
  EXPECT_EQ(upperItems, 36);
}

TEST(ItemChart, ColumnFiveIsBaseItemSix) {
  const NumberList& v = charts().columns[5];
  const int elements[] = {15, 24, 33, 42, 51, 60, 69, 78};
  const int expected[] = {33, 13, 16, 11, 19, 42, 38, 31};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(v[elements[k]], expected[k]);
  EXPECT_EQ(v[6], 6);
}

TEST(ItemChart, RowVariantsCarryNoData) {
  ASSERT_EQ(charts().rows.count(), 8);
  for (const NumberList& row : charts().rows) EXPECT_TRUE(row.empty());
}

TEST(ItemChart, EmptyUntilLoadedAndReloadReplaces) {
  ChartVariants c;
  EXPECT_TRUE(c.full.empty());
  EXPECT_EQ(c.columns.count(), 8);
  EXPECT_TRUE(c.columns[1].empty());
  loadChartVariants(c);
  c.full[11] = 0;
  loadChartVariants(c);
  EXPECT_EQ(c.full[11], 37);
  EXPECT_EQ(c.full.count(), 81);
}

}  // namespace
}  // namespace vex
