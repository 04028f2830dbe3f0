// The lineup table as loaded: counts, distributions, references and the
// filter results the picker depends on.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "data/game_tables.h"
#include "tables_fixture.h"

namespace vex {
namespace {

const LineupTable& lineups() { return test::loadedTables().lineups; }
const ChampionTable& champions() { return test::loadedTables().champions; }

std::map<int, int> sizes(const NumberLists& column) {
  std::map<int, int> out;
  for (const NumberList& row : column) ++out[row.count()];
  return out;
}

// Forward search that steps over whole GBK characters, so a match never
// starts on a trail byte.
bool containsGbk(const std::string& text, const std::string& word) {
  for (std::size_t i = 0; i + word.size() <= text.size();) {
    if (text.compare(i, word.size(), word) == 0) return true;
    i += static_cast<unsigned char>(text[i]) >= 0x81 ? 2 : 1;
  }
  return false;
}

// The picker's filter: the final-board text of each row must name every
// selected champion.
NumberList filter(const NumberList& selected) {
  NumberList kept;
  for (int a = 1; a <= lineupCount(lineups()); ++a) {
    const std::string board = joinNames(champions(), lineups().finalBoard[a]);
    bool all = true;
    for (int m : selected) all = all && containsGbk(board, champions().names[m]);
    if (all) kept.append(lineups().ids[a]);
  }
  return kept;
}

TEST(LineupTable, EightyThreeRowsIdsEqualNumbers) {
  const LineupTable& t = lineups();
  EXPECT_EQ(lineupCount(t), 83);
  for (int count : {t.names.count(), t.ratings.count(), t.authors.count(), t.finalBoard.count(),
                    t.core.count(), t.early.count(), t.midGame.count()}) {
    EXPECT_EQ(count, 83);
  }
  for (int k = 1; k <= 83; ++k) EXPECT_EQ(t.ids[k], k);
}

TEST(LineupTable, RatingCounts) {
  std::map<std::string, int> counts;
  for (const std::string& r : lineups().ratings) ++counts[r];
  EXPECT_EQ(counts, (std::map<std::string, int>{{"T1", 14}, {"T2", 18}, {"T3", 51}}));
}

TEST(LineupTable, ListSizeDistributions) {
  EXPECT_EQ(sizes(lineups().finalBoard), (std::map<int, int>{{6, 3}, {7, 18}, {8, 44}, {9, 17}, {10, 1}}));
  EXPECT_EQ(sizes(lineups().core), (std::map<int, int>{{1, 12}, {2, 42}, {3, 29}}));
  EXPECT_EQ(sizes(lineups().early), (std::map<int, int>{{2, 3}, {3, 30}, {4, 49}, {5, 1}}));
  EXPECT_EQ(sizes(lineups().midGame), (std::map<int, int>{{3, 2}, {4, 4}, {5, 33}, {6, 36}, {7, 8}}));
}

TEST(LineupTable, EveryChampionReferenceInRange) {
  for (const NumberLists* column :
       {&lineups().finalBoard, &lineups().core, &lineups().early, &lineups().midGame}) {
    for (const NumberList& row : *column) {
      for (int c : row) {
        EXPECT_GE(c, 1);
        EXPECT_LE(c, championCount(champions()));
      }
    }
  }
}

TEST(LineupTable, OnlyLineup42HasTenChampions) {
  for (int a = 1; a <= 83; ++a) {
    EXPECT_EQ(lineups().finalBoard[a].count() == 10, a == 42) << a;
    EXPECT_LE(lineups().core[a].count(), 5);
  }
}

TEST(LineupTable, Lineup58KeptAsStored) {
  const LineupTable& t = lineups();
  EXPECT_EQ(t.names[58], "6骑士双龙");
  EXPECT_EQ(t.finalBoard[58], (NumberList{11, 39, 17, 23, 35, 32, 6, 32}));
  EXPECT_EQ(t.core[58], (NumberList{11, 41}));
  EXPECT_FALSE(t.finalBoard[58].contains(41));
}

TEST(LineupTable, OtherBoardsHaveNoRepeatsAndCoresFromTheBoard) {
  for (int a = 1; a <= 83; ++a) {
    if (a == 58) continue;
    const NumberList& board = lineups().finalBoard[a];
    for (int i = 1; i <= board.count(); ++i) EXPECT_EQ(board.find(board[i]), i) << "lineup " << a;
    for (int c : lineups().core[a]) EXPECT_TRUE(board.contains(c)) << "lineup " << a << " core " << c;
  }
}

TEST(LineupTable, FirstLastAndSingleCoreRows) {
  const LineupTable& t = lineups();
  EXPECT_EQ(t.names[1], "2龙3法3换形师4狂野");
  EXPECT_EQ(t.finalBoard[1], (NumberList{6, 41, 2, 30, 18, 34, 48}));
  EXPECT_EQ(t.core[1], (NumberList{6, 30}));
  const std::string board = joinNames(champions(), t.finalBoard[1]);
  EXPECT_EQ(board.rfind("铸星龙王", 0), 0u);
  EXPECT_EQ(board.substr(board.size() - champions().names[48].size()), "祖安怒兽");
  EXPECT_EQ(joinNames(champions(), t.core[8]), "荣耀行刑官");
  EXPECT_EQ(t.names[83], "3虚空4斗士3刺客2狂野");
  EXPECT_EQ(t.finalBoard[83].count(), 7);
  EXPECT_EQ(t.core[83].count(), 3);
}

TEST(LineupTable, AuthorsAreSixShortLabels) {
  std::map<std::string, int> labels;
  for (const std::string& a : lineups().authors) {
    EXPECT_FALSE(a.empty());
    EXPECT_LE(a.size(), 12u);
    ++labels[a];
  }
  EXPECT_EQ(labels.size(), 6u);
}

TEST(LineupFilter, ChampionsNarrowTheList) {
  EXPECT_EQ(filter(NumberList{49}), (NumberList{9, 21, 56, 57, 73, 79}));
  EXPECT_EQ(filter(NumberList{49, 12}), (NumberList{9, 21, 56, 57}));
  EXPECT_TRUE(filter(NumberList{49, 12, 31}).empty());
  EXPECT_EQ(filter(NumberList{}).count(), 83);
}

TEST(LineupFilter, NameSearchMatchesExactlyTheBoardMembers) {
  // Byte-wise and character-wise search agree, and a name is found in a
  // board text exactly when the champion is on that board.
  for (int a = 1; a <= 83; ++a) {
    const std::string board = joinNames(champions(), lineups().finalBoard[a]);
    for (int c = 1; c <= 51; ++c) {
      const bool member = lineups().finalBoard[a].contains(c);
      EXPECT_EQ(containsGbk(board, champions().names[c]), member) << a << " " << c;
      EXPECT_EQ(board.find(champions().names[c]) != std::string::npos, member) << a << " " << c;
    }
  }
}

}  // namespace
}  // namespace vex
