#include "views/lineup_picker.h"

#include "data/picture_set.h"
#include "view_fixture.h"
#include "views/gbk_text.h"

namespace vex::test {
namespace {

namespace lw = layout::lineup_window;
namespace mw = layout::main_window;

constexpr ControlRef kList{layout::kLineupWindow, lw::阵容超级列表框};

class PickerTest : public ViewTest {
 protected:
  PickerTest() {
    ui.open(layout::kLineupWindow);
    fullOrder = listedLineups();
  }

  // Picker button k, place k and its mark, as the groups number them.
  const ControlState& choice(int k) const {
    return ui.control({layout::kLineupWindow, lw::kPickerButtons[k - 1]});
  }
  const ControlState& place(int k) const {
    return ui.control({layout::kLineupWindow, lw::kMyLineupButtons[k - 1]});
  }
  const ControlState& mark(int k) const {
    return ui.control({layout::kLineupWindow, lw::kMyLineupMarks[k - 1]});
  }
  void clickChoice(int k) { click(layout::kLineupWindow, lw::kPickerButtons[k - 1]); }
  void clickPlace(int k) { click(layout::kLineupWindow, lw::kMyLineupButtons[k - 1]); }
  void clickCost(int cost) { click(layout::kLineupWindow, lw::kCostButtons[cost - 1]); }
  Text cell(int row, int column) const { return ui.listCell(kList, row, column); }

  // Adds champion c through the picker, as the user would.
  void add(int c) {
    clickCost(tables.champions.costs[c]);
    const int k = picker.PickerChampions.find(c);
    ASSERT_NE(k, 0);
    clickChoice(k);
  }

  std::vector<int> listedLineups() const {
    std::vector<int> ids;
    for (int r = 0; r < ui.listRowCount(kList); ++r)
      ids.push_back(decimalOrZero(cell(r, lw::kLineupIdColumn)));
    return ids;
  }

  // Lineups holding every champion of `members`, in the list's order before filtering.
  std::vector<int> expectedLineups(std::initializer_list<int> members) {
    std::vector<int> ids;
    for (int id : fullOrder) {
      bool all = true;
      for (int m : members) all = all && tables.lineups.finalBoard[id].contains(m);
      if (all) ids.push_back(id);
    }
    return ids;
  }

  void expectRatingOrder() {
    for (int r = 1; r < ui.listRowCount(kList); ++r)
      EXPECT_LE(cell(r - 1, lw::kRatingColumn), cell(r, lw::kRatingColumn)) << "row " << r;
  }

  std::vector<int> fullOrder;  // lineup ids of the unfiltered list
};

TEST_F(PickerTest, OpeningFillsTheListByRatingAndShowsCostOne) {
  EXPECT_EQ(ui.control({layout::kLineupWindow, lw::标签1}).caption, "游戏版本：9.15b");
  ASSERT_EQ(ui.listRowCount(kList), 83);
  EXPECT_EQ(cell(0, lw::kRatingColumn), "T1");
  EXPECT_EQ(cell(82, lw::kRatingColumn), "T3");
  expectRatingOrder();
  // Every row is built from its lineup; equal ratings keep table order.
  for (int r = 0; r < 83; ++r) {
    const int id = fullOrder[r];
    const NumberList& board = tables.lineups.finalBoard[id];
    EXPECT_EQ(cell(r, lw::kNameColumn), tables.lineups.names[id]);
    EXPECT_EQ(cell(r, lw::kFinalBoardColumn), joinNames(tables.champions, board));
    EXPECT_EQ(cell(r, lw::kCoreColumn), joinNames(tables.champions, tables.lineups.core[id]));
    const auto& cells = ui.control(kList).list.rows[r];
    for (int i = 1; i <= lw::kBoardColumns; ++i)
      EXPECT_EQ(cells[lw::kFirstBoardColumn + i - 1].image, i <= board.count() ? board[i] - 1 : -1);
    if (r > 0 && cell(r - 1, lw::kRatingColumn) == cell(r, lw::kRatingColumn)) {
      EXPECT_LT(fullOrder[r - 1], id);
    }
  }
  EXPECT_EQ(picker.PickerButtons.count(), 20);
  EXPECT_EQ(picker.MyLineupButtons.count(), 10);
  EXPECT_EQ(picker.MyLineupMarks.count(), 10);
  EXPECT_EQ(picker.PickerChampions.count(), 12);
}

TEST_F(PickerTest, CostButtonsShowTheirChampions) {
  const int counts[] = {12, 12, 12, 9, 6};
  for (int cost = 1; cost <= 5; ++cost) {
    clickCost(cost);
    ASSERT_EQ(picker.PickerChampions.count(), counts[cost - 1]);
    for (int k = 1; k <= 20; ++k) {
      EXPECT_EQ(choice(k).visible, k <= counts[cost - 1]) << cost << "/" << k;
      if (k > counts[cost - 1]) continue;
      const int c = picker.PickerChampions[k];
      EXPECT_EQ(tables.champions.costs[c], cost);
      if (k > 1) {
        EXPECT_LT(picker.PickerChampions[k - 1], c);
      }
      EXPECT_EQ(choice(k).hint, tables.champions.names[c]);
      EXPECT_EQ(choice(k).picture, pictureOf(tables.champions.icons, c - 1));
    }
  }
}

TEST_F(PickerTest, EachMemberNarrowsTheListInRatingOrder) {
  const std::size_t expected[] = {6, 4, 0};
  std::vector<int> members;
  for (int c : {49, 12, 31}) {
    add(c);
    members.push_back(c);
    const std::vector<int> listed = listedLineups();
    EXPECT_EQ(listed.size(), expected[members.size() - 1]);
    if (members.size() == 1) {
      EXPECT_EQ(listed, expectedLineups({49}));
    }
    if (members.size() == 2) {
      EXPECT_EQ(listed, expectedLineups({49, 12}));
    }
    expectRatingOrder();
    for (int r = 0; r < ui.listRowCount(kList); ++r)
      for (int m : members)
        EXPECT_TRUE(gbkContains(cell(r, lw::kFinalBoardColumn), tables.champions.names[m]));
  }
  EXPECT_EQ(picker.MyLineup, (NumberList{49, 12, 31}));
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(mark(k).visible, k <= 3);
  EXPECT_EQ(place(1).hint, tables.champions.names[49]);
  EXPECT_EQ(place(3).picture, pictureOf(tables.champions.icons, 30));

  click(layout::kLineupWindow, lw::清空按钮);
  EXPECT_TRUE(picker.MyLineup.empty());
  EXPECT_EQ(listedLineups(), fullOrder);
  for (int k = 1; k <= 10; ++k) {
    EXPECT_FALSE(mark(k).visible);
    EXPECT_TRUE(place(k).picture.empty());
    EXPECT_EQ(place(k).hint, "");
  }
}

TEST_F(PickerTest, SameChampionTwiceKeepsBothPlacesAndTheSameResult) {
  add(49);
  const std::vector<int> once = listedLineups();
  add(49);
  EXPECT_EQ(picker.MyLineup, (NumberList{49, 49}));
  EXPECT_EQ(listedLineups(), once);
}

TEST_F(PickerTest, RemovingPlaceOneMovesTheOthersUp) {
  for (int c : {49, 12, 31}) add(c);
  clickPlace(1);
  EXPECT_EQ(picker.MyLineup, (NumberList{12, 31}));
  EXPECT_EQ(place(1).hint, tables.champions.names[12]);
  EXPECT_EQ(place(2).hint, tables.champions.names[31]);
  EXPECT_EQ(place(3).hint, "");
  EXPECT_TRUE(place(3).picture.empty());
  EXPECT_TRUE(mark(2).visible);
  EXPECT_FALSE(mark(3).visible);
  EXPECT_EQ(listedLineups(), expectedLineups({12, 31}));

  // An empty place removes nothing.
  clickPlace(8);
  EXPECT_EQ(picker.MyLineup, (NumberList{12, 31}));
  EXPECT_EQ(listedLineups(), expectedLineups({12, 31}));
}

TEST_F(PickerTest, AnEleventhMemberIsIgnored) {
  for (int i = 0; i < 11; ++i) clickChoice(1);
  EXPECT_EQ(picker.MyLineup.count(), 10);
  for (int k = 1; k <= 10; ++k) EXPECT_TRUE(mark(k).visible);
  // A full lineup loses its last place and takes a new member again.
  clickPlace(10);
  EXPECT_EQ(picker.MyLineup.count(), 9);
  EXPECT_FALSE(mark(10).visible);
  clickChoice(2);
  EXPECT_EQ(picker.MyLineup[10], picker.PickerChampions[2]);
}

TEST_F(PickerTest, HiddenPickerButtonsAddNothing) {
  clickCost(5);  // six champions
  clickChoice(7);
  clickChoice(20);
  EXPECT_TRUE(picker.MyLineup.empty());
  EXPECT_EQ(ui.listRowCount(kList), 83);
}

TEST_F(PickerTest, ListClickShowsTheLineupAfterHiding) {
  const auto rowOf = [&](int id) {
    for (int r = 0; r < ui.listRowCount(kList); ++r)
      if (decimalOrZero(cell(r, lw::kLineupIdColumn)) == id) return r;
    return -1;
  };
  ASSERT_EQ(tables.lineups.finalBoard[13].count(), 9);
  ASSERT_EQ(tables.lineups.finalBoard[1].count(), 7);
  ui.listSelect(kList, rowOf(13));
  ui.raise(kList, Event::ListClicked);
  EXPECT_EQ(lineup.currentLineup, 13);
  EXPECT_TRUE(main(mw::英雄按钮9).visible);
  click(layout::kMainWindow, mw::英雄按钮9);
  EXPECT_EQ(lineup.selectedSlot, 9);

  ui.listSelect(kList, rowOf(1));
  ui.raise(kList, Event::ListClicked);
  EXPECT_EQ(lineup.currentLineup, 1);
  EXPECT_EQ(lineup.selectedSlot, 1);
  EXPECT_TRUE(main(mw::英雄按钮7).visible);
  EXPECT_FALSE(main(mw::英雄按钮8).visible);
  EXPECT_FALSE(main(mw::英雄按钮9).visible);
  const int first = tables.lineups.finalBoard[1][1];
  EXPECT_EQ(main(mw::英雄详情).hint, tables.champions.names[first]);

  // No selection: nothing changes.
  ui.listSelect(kList, -1);
  ui.raise(kList, Event::ListClicked);
  EXPECT_EQ(lineup.currentLineup, 1);
}

TEST_F(PickerTest, ARowThePickerDidNotListHidesTheLineupAndShowsNothing) {
  const int stray = ui.listAppendRow(kList);
  ui.listSetCell(kList, stray, lw::kLineupIdColumn, "1");  // the click does not read it
  ui.listSelect(kList, stray);
  ui.raise(kList, Event::ListClicked);
  EXPECT_EQ(lineup.currentLineup, 0);
  EXPECT_FALSE(main(mw::英雄按钮1).visible);
  EXPECT_FALSE(main(mw::英雄详情).visible);
  click(layout::kMainWindow, mw::英雄按钮1);  // no lineup: ignored
  EXPECT_FALSE(main(mw::英雄按钮1).visible);
}

// A member keeps the lineups whose final board holds it; searching the full
// list's final-board column for its name keeps the same rows.
TEST_F(PickerTest, BoardMembershipAgreesWithTheNameSearchForEveryChampion) {
  std::vector<Text> boards;
  for (int r = 0; r < ui.listRowCount(kList); ++r) boards.push_back(cell(r, lw::kFinalBoardColumn));
  for (int c = 1; c <= championCount(tables.champions); ++c) {
    std::vector<int> byName;
    for (std::size_t r = 0; r < boards.size(); ++r)
      if (gbkContains(boards[r], tables.champions.names[c])) byName.push_back(fullOrder[r]);
    picker.MyLineup = {c};
    fillLineupList(views);
    filterLineupList(views);
    EXPECT_EQ(listedLineups(), byName) << c;
    EXPECT_EQ(picker.ListedLineups.values(), byName) << c;
    if (byName.empty()) continue;
    ui.listSelect(kList, static_cast<int>(byName.size()) - 1);
    ui.raise(kList, Event::ListClicked);
    EXPECT_EQ(lineup.currentLineup, byName.back()) << c;
  }
}

TEST_F(PickerTest, ListClickWithoutMainWindowDoesNothing) {
  ui.close(layout::kMainWindow);
  ui.listSelect(kList, 5);
  ui.raise(kList, Event::ListClicked);
  EXPECT_EQ(lineup.currentLineup, 83);
}

TEST_F(PickerTest, MyLineupSurvivesReopening) {
  add(49);
  click(layout::kLineupWindow, lw::关闭按钮);
  EXPECT_FALSE(ui.isOpen(layout::kLineupWindow));
  ui.open(layout::kLineupWindow);
  EXPECT_EQ(picker.MyLineup, (NumberList{49}));
  EXPECT_TRUE(mark(1).visible);
  EXPECT_FALSE(mark(2).visible);
  EXPECT_EQ(place(1).hint, tables.champions.names[49]);
  EXPECT_EQ(listedLineups(), expectedLineups({49}));
  EXPECT_EQ(picker.PickerButtons.count(), 20);  // rebuilt, not appended to
}

TEST_F(PickerTest, WindowButtons) {
  click(layout::kLineupWindow, lw::最小化按钮);
  EXPECT_EQ(backend.minimised, std::vector<std::int32_t>{layout::kLineupWindow});
  click(layout::kLineupWindow, lw::英雄按钮);
  ASSERT_TRUE(ui.isOpen(layout::kHeroListWindow));
  EXPECT_EQ(ui.window(layout::kHeroListWindow)->owner, layout::kLineupWindow);
}

}  // namespace
}  // namespace vex::test
