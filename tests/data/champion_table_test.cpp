// The champion table as loaded, against the published figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "data/game_tables.h"
#include "tables_fixture.h"

namespace vex {
namespace {

const GameTables& tables() { return test::loadedTables(); }
const ChampionTable& champions() { return tables().champions; }

// Distinct texts in order of first appearance, with their counts.
std::vector<std::pair<std::string, int>> vocabulary(const TextList& column) {
  std::vector<std::pair<std::string, int>> out;
  for (const std::string& text : column) {
    auto it = std::find_if(out.begin(), out.end(), [&](const auto& e) { return e.first == text; });
    if (it == out.end()) {
      out.emplace_back(text, 1);
    } else {
      ++it->second;
    }
  }
  return out;
}

TEST(ChampionTable, PlaceholdersBeforeLoadingOneElementEach) {
  const GameTables empty;
  EXPECT_EQ(championCount(empty.champions), 1);
  EXPECT_EQ(empty.champions.costs.count(), 1);
  EXPECT_EQ(empty.champions.coreItems.count(), 1);
  EXPECT_EQ(empty.costColours.count(), 1);
  EXPECT_EQ(empty.items.names.count(), 1);
  EXPECT_EQ(empty.lineups.ids.count(), 1);
  EXPECT_EQ(empty.champions.portraits.size(), 1u);
  EXPECT_TRUE(empty.charts.full.empty());
}

TEST(ChampionTable, FiftyOneChampionsInEveryColumn) {
  const ChampionTable& c = champions();
  EXPECT_EQ(championCount(c), 51);
  for (int count :
       {c.costs.count(), c.origins.count(), c.classes.count(), c.coreItems.count(), c.ratings.count()}) {
    EXPECT_EQ(count, 51);
  }
}

TEST(ChampionTable, FirstAndLastRows) {
  const ChampionTable& c = champions();
  EXPECT_EQ(c.names[1], "暗裔剑魔");
  EXPECT_EQ(c.costs[1], 3);
  EXPECT_EQ(c.origins[1], "恶魔");
  EXPECT_EQ(c.classes[1], "剑士");
  EXPECT_EQ(c.ratings[1], "T4");
  EXPECT_EQ(c.coreItems[1], (NumberList{15, 16, 21}));
  EXPECT_EQ(c.names[51], "卡牌大师");
  EXPECT_EQ(c.costs[51], 2);
  EXPECT_EQ(c.origins[51], "海盗");
  EXPECT_EQ(c.classes[51], "法师");
  EXPECT_EQ(c.ratings[51], "T3");
  EXPECT_EQ(c.coreItems[51], (NumberList{35, 35, 27}));
}

TEST(ChampionTable, TextsAreGbkBytes) {
  // "暗" is B0 B5 in GBK.
  const std::string& name = champions().names[1];
  ASSERT_GE(name.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(name[0]), 0xB0);
  EXPECT_EQ(static_cast<unsigned char>(name[1]), 0xB5);
  EXPECT_EQ(name.size(), 8u);
}

TEST(ChampionTable, OriginVocabularyInOrderOfFirstAppearance) {
  const std::vector<std::pair<std::string, int>> expected = {
      {"恶魔", 7}, {"狂野", 5}, {"忍者", 4}, {"极地", 6}, {"龙", 2},       {"机器人", 1}, {"虚空", 4},
      {"帝国", 3}, {"贵族", 6}, {"海盗", 5}, {"暗影", 3}, {"约德尔人", 4}, {"浪人", 1}};
  EXPECT_EQ(vocabulary(champions().origins), expected);
}

TEST(ChampionTable, ClassVocabularyInOrderOfFirstAppearance) {
  const std::vector<std::pair<std::string, int>> expected = {
      {"剑士", 6}, {"法师", 8}, {"刺客", 7}, {"元素使", 4}, {"游侠", 4},
      {"斗士", 5}, {"护卫", 2}, {"骑士", 6}, {"换形师", 5}, {"枪手", 4}};
  EXPECT_EQ(vocabulary(champions().classes), expected);
}

TEST(ChampionTable, RatingCounts) {
  std::map<std::string, int> counts;
  for (const std::string& r : champions().ratings) ++counts[r];
  const std::map<std::string, int> expected = {{"T1", 3},  {"T2", 10}, {"T3", 20},
                                               {"T4", 10}, {"T5", 6},  {"T6", 2}};
  EXPECT_EQ(counts, expected);
  EXPECT_EQ(champions().ratings[13], "T6");
  EXPECT_EQ(champions().ratings[32], "T6");
}

TEST(ChampionTable, CostGroupsInNumberOrder) {
  const ChampionTable& c = champions();
  EXPECT_EQ(championsOfCost(c, 1), (NumberList{11, 13, 15, 17, 19, 21, 25, 32, 34, 43, 45, 48}));
  const int sizes[] = {12, 12, 12, 9, 6};
  for (int cost = 1; cost <= 5; ++cost) {
    const NumberList group = championsOfCost(c, cost);
    EXPECT_EQ(group.count(), sizes[cost - 1]) << "cost " << cost;
    for (int k = 2; k <= group.count(); ++k) EXPECT_LT(group[k - 1], group[k]);
  }
  EXPECT_TRUE(championsOfCost(c, 0).empty());
  EXPECT_TRUE(championsOfCost(c, 6).empty());
}

TEST(ChampionTable, CoreItemsThreeCombinedItemsRepeatsKept) {
  const ChampionTable& c = champions();
  for (int n = 1; n <= championCount(c); ++n) {
    ASSERT_EQ(c.coreItems[n].count(), 3) << "champion " << n;
    for (int item : c.coreItems[n]) {
      EXPECT_GE(item, 11) << "champion " << n;
      EXPECT_LE(item, 44) << "champion " << n;
    }
  }
  EXPECT_EQ(c.coreItems[4], (NumberList{12, 12, 29}));
  EXPECT_EQ(c.coreItems[45], (NumberList{14, 14, 18}));
}

TEST(CostColours, StoredAsBgrByCost) {
  const GameTables& t = tables();
  EXPECT_EQ(t.costColours, (CostColours{0xFFFFFF, 0x45AF00, 0xF2BD2B, 0xA22769, 0x00BDFF}));
  EXPECT_EQ(t.costColours[5], rgb(0xFFBD00));
  EXPECT_EQ(costColourOf(t, 11), 0xFFFFFFu);  // cost 1, white
  EXPECT_EQ(costColourOf(t, 49), 0x00BDFFu);  // cost 5, gold
  EXPECT_EQ(costColourOf(t, 1), 0xF2BD2Bu);   // cost 3, light blue
}

TEST(ChampionTable, NoNameContainedInAnother) {
  const ChampionTable& c = champions();
  for (int a = 1; a <= 51; ++a) {
    for (int b = 1; b <= 51; ++b) {
      if (a == b) continue;
      EXPECT_EQ(c.names[b].find(c.names[a]), std::string::npos) << a << " in " << b;
    }
  }
}

TEST(JoinNames, IdeographicCommaBetweenNamesOnly) {
  const ChampionTable& c = champions();
  EXPECT_EQ(joinNames(c, NumberList{}), "");
  EXPECT_EQ(joinNames(c, NumberList{12}), "荣耀行刑官");
  const std::string two = joinNames(c, NumberList{6, 30});
  EXPECT_EQ(two, "铸星龙王、仙灵女巫");
  EXPECT_EQ(two.substr(c.names[6].size(), 2), "\xA1\xA2");
}

}  // namespace
}  // namespace vex
