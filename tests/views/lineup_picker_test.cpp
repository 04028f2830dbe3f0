#include "views/lineup_picker.h"

#include "data/picture_set.h"
#include "view_fixture.h"
#include "views/gbk_text.h"

namespace vex::testing {
namespace {

namespace lw = layout::lineup_window;
namespace mw = layout::main_window;

constexpr ControlRef kList{layout::kLineupWindow, lw::阵容超级列表框};
constexpr std::int32_t kCostButtons[] = {lw::花费列表按钮1, lw::花费列表按钮2, lw::花费列表按钮3,
                                         lw::花费列表按钮4, lw::花费列表按钮5};

class PickerTest : public ViewTest {
 protected:
  PickerTest() {
    ui.open(layout::kLineupWindow);
    fullOrder = listedLineups();
  }

  const ControlState& button(int n) const {
    return ui.control({layout::kLineupWindow, lw::pickerButtonId(n)});
  }
  const ControlState& mark(int k) const { return ui.control({layout::kLineupWindow, lw::myLineupMarkId(k)}); }
  void clickButton(int n) { click(layout::kLineupWindow, lw::pickerButtonId(n)); }

  // Adds champion c through the picker, as the user would.
  void add(int c) {
    click(layout::kLineupWindow, kCostButtons[tables.champions.costs[c] - 1]);
    const int k = picker.PickerChampions.find(c);
    ASSERT_NE(k, 0);
    clickButton(k);
  }

  std::vector<int> listedLineups() const {
    std::vector<int> ids;
    for (int r = 0; r < ui.listRowCount(kList); ++r) ids.push_back(decimalOrZero(ui.listCell(kList, r, 17)));
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
      EXPECT_LE(ui.listCell(kList, r - 1, 0), ui.listCell(kList, r, 0)) << "row " << r;
  }

  std::vector<int> fullOrder;  // lineup ids of the unfiltered list
};

TEST_F(PickerTest, OpeningFillsTheListByRatingAndShowsCostOne) {
  EXPECT_EQ(ui.control({layout::kLineupWindow, lw::标签1}).caption, "游戏版本：9.15b");
  ASSERT_EQ(ui.listRowCount(kList), 83);
  EXPECT_EQ(ui.listCell(kList, 0, 0), "T1");
  EXPECT_EQ(ui.listCell(kList, 82, 0), "T3");
  expectRatingOrder();
  // Every row is built from its lineup; equal ratings keep table order.
  for (int r = 0; r < 83; ++r) {
    const int id = fullOrder[r];
    const NumberList& board = tables.lineups.finalBoard[id];
    EXPECT_EQ(ui.listCell(kList, r, 1), tables.lineups.names[id]);
    EXPECT_EQ(ui.listCell(kList, r, 16), joinNames(tables.champions, board));
    EXPECT_EQ(ui.listCell(kList, r, 13), joinNames(tables.champions, tables.lineups.core[id]));
    const auto& cells = ui.control(kList).list.rows[r];
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(cells[1 + i].image, i <= board.count() ? board[i] - 1 : -1);
    if (r > 0 && ui.listCell(kList, r - 1, 0) == ui.listCell(kList, r, 0)) {
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
    click(layout::kLineupWindow, kCostButtons[cost - 1]);
    ASSERT_EQ(picker.PickerChampions.count(), counts[cost - 1]);
    for (int k = 1; k <= 20; ++k) {
      EXPECT_EQ(button(k).visible, k <= counts[cost - 1]) << cost << "/" << k;
      if (k > counts[cost - 1]) continue;
      const int c = picker.PickerChampions[k];
      EXPECT_EQ(tables.champions.costs[c], cost);
      if (k > 1) {
        EXPECT_LT(picker.PickerChampions[k - 1], c);
      }
      EXPECT_EQ(button(k).hint, tables.champions.names[c]);
      EXPECT_EQ(button(k).picture, pictureOf(tables.champions.icons, c - 1));
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
      for (int m : members) EXPECT_TRUE(gbkContains(ui.listCell(kList, r, 16), tables.champions.names[m]));
  }
  EXPECT_EQ(picker.MyLineup, (NumberList{49, 12, 31}));
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(mark(k).visible, k <= 3);
  EXPECT_EQ(button(21).hint, tables.champions.names[49]);
  EXPECT_EQ(button(23).picture, pictureOf(tables.champions.icons, 30));

  click(layout::kLineupWindow, lw::清空按钮);
  EXPECT_TRUE(picker.MyLineup.empty());
  EXPECT_EQ(listedLineups(), fullOrder);
  for (int k = 1; k <= 10; ++k) {
    EXPECT_FALSE(mark(k).visible);
    EXPECT_TRUE(button(20 + k).picture.empty());
    EXPECT_EQ(button(20 + k).hint, "");
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
  click(layout::kLineupWindow, lw::pickerButtonId(21));
  EXPECT_EQ(picker.MyLineup, (NumberList{12, 31}));
  EXPECT_EQ(button(21).hint, tables.champions.names[12]);
  EXPECT_EQ(button(22).hint, tables.champions.names[31]);
  EXPECT_EQ(button(23).hint, "");
  EXPECT_TRUE(button(23).picture.empty());
  EXPECT_TRUE(mark(2).visible);
  EXPECT_FALSE(mark(3).visible);
  EXPECT_EQ(listedLineups(), expectedLineups({12, 31}));

  // An empty place removes nothing.
  click(layout::kLineupWindow, lw::pickerButtonId(28));
  EXPECT_EQ(picker.MyLineup, (NumberList{12, 31}));
  EXPECT_EQ(listedLineups(), expectedLineups({12, 31}));
}

TEST_F(PickerTest, AnEleventhMemberIsIgnored) {
  for (int i = 0; i < 11; ++i) clickButton(1);
  EXPECT_EQ(picker.MyLineup.count(), 10);
  for (int k = 1; k <= 10; ++k) EXPECT_TRUE(mark(k).visible);
  // A full lineup loses its last place and takes a new member again.
  click(layout::kLineupWindow, lw::pickerButtonId(30));
  EXPECT_EQ(picker.MyLineup.count(), 9);
  EXPECT_FALSE(mark(10).visible);
  clickButton(2);
  EXPECT_EQ(picker.MyLineup[10], picker.PickerChampions[2]);
}

TEST_F(PickerTest, HiddenPickerButtonsAddNothing) {
  click(layout::kLineupWindow, kCostButtons[4]);  // six champions
  clickButton(7);
  clickButton(20);
  EXPECT_TRUE(picker.MyLineup.empty());
  EXPECT_EQ(ui.listRowCount(kList), 83);
}

TEST_F(PickerTest, ListClickShowsTheLineupAfterHiding) {
  const auto rowOf = [&](int id) {
    for (int r = 0; r < ui.listRowCount(kList); ++r)
      if (decimalOrZero(ui.listCell(kList, r, 17)) == id) return r;
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

TEST_F(PickerTest, ABadIdCellHidesTheLineupAndShowsNothing) {
  ui.listSetCell(kList, 0, 17, "x");
  ui.listSelect(kList, 0);
  ui.raise(kList, Event::ListClicked);
  EXPECT_EQ(lineup.currentLineup, 0);
  EXPECT_FALSE(main(mw::英雄按钮1).visible);
  EXPECT_FALSE(main(mw::英雄详情).visible);
  click(layout::kMainWindow, mw::英雄按钮1);  // no lineup: ignored
  EXPECT_FALSE(main(mw::英雄按钮1).visible);
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
  EXPECT_EQ(button(21).hint, tables.champions.names[49]);
  EXPECT_EQ(listedLineups(), expectedLineups({49}));
  EXPECT_EQ(picker.PickerButtons.count(), 20);  // rebuilt, not appended to
}

TEST_F(PickerTest, WindowButtons) {
  click(layout::kLineupWindow, lw::最小化按钮);
  EXPECT_TRUE(ui.window(layout::kLineupWindow)->minimised);
  click(layout::kLineupWindow, lw::英雄按钮);
  ASSERT_TRUE(ui.isOpen(layout::kHeroListWindow));
  EXPECT_EQ(ui.window(layout::kHeroListWindow)->owner, layout::kLineupWindow);
}

}  // namespace
}  // namespace vex::testing
