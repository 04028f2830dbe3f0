#include "views/lineup_view.h"

#include "data/picture_set.h"
#include "view_fixture.h"

namespace vex::test {
namespace {

namespace mw = layout::main_window;

class LineupViewTest : public ViewTest {
 protected:
  // The detail and item rows describe `champion`.
  void expectSelected(int champion) {
    const ControlState& detail = main(mw::英雄详情);
    EXPECT_TRUE(detail.visible);
    EXPECT_EQ(detail.hint, tables.champions.names[champion]);
    EXPECT_EQ(detail.picture, pictureOf(tables.champions.portraits, champion - 1));
    for (Colour c : detail.backColour) EXPECT_EQ(c, costColourOf(tables, champion));
    const NumberList& items = tables.champions.coreItems[champion];
    for (int i = 1; i <= 3; ++i) {
      const int t = items[i];
      const ControlState& item = main(mw::kCoreItemButtons[i - 1]);
      EXPECT_TRUE(item.visible);
      EXPECT_EQ(item.hint, itemTooltip(tables.items, t));
      EXPECT_EQ(item.picture, pictureOf(tables.items.pictures, t - 1));
      EXPECT_EQ(item.pictureKey, 3u);
      for (int j = 1; j <= 2; ++j) {
        const int b = tables.items.components[t][j];
        const ControlState& part = main(mw::kComponentButtons[2 * (i - 1) + j - 1]);
        EXPECT_TRUE(part.visible);
        EXPECT_EQ(part.hint, tables.items.names[b]) << "item " << i << " part " << j;
        EXPECT_EQ(part.picture, pictureOf(tables.items.icons, b - 1));
        EXPECT_EQ(part.pictureKey, 3u);
      }
    }
  }
};

TEST_F(LineupViewTest, StartShowsLineup83WithItsFirstChampionSelected) {
  EXPECT_EQ(lineup.currentLineup, 83);
  EXPECT_EQ(lineup.selectedSlot, 1);
  ASSERT_EQ(lineup.HeroButtons.count(), 10);
  ASSERT_EQ(lineup.ComponentButtons.count(), 6);
  const NumberList& board = tables.lineups.finalBoard[83];
  ASSERT_EQ(board.count(), 7);
  for (int i = 1; i <= 10; ++i) {
    const ControlState& b = main(mw::kHeroButtons[i - 1]);
    EXPECT_EQ(b.visible, i <= 7) << i;
    if (i > 7) continue;
    const int c = board[i];
    EXPECT_FALSE(b.picture.empty());
    EXPECT_EQ(b.picture, pictureOf(tables.champions.portraits, c - 1));
    EXPECT_EQ(b.hint, tables.champions.names[c]);
    EXPECT_EQ(b.backColour[kNormal], costColourOf(tables, c));
    EXPECT_EQ(b.pictureKey, 3u);
  }
  const NumberList& core = tables.lineups.core[83];
  ASSERT_EQ(core.count(), 3);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(main(mw::kCoreHeroButtons[i - 1]).visible, i <= 3) << i;
    EXPECT_EQ(main(mw::kCoreMarks[i - 1]).visible, i <= 3) << i;
    if (i <= 3) {
      EXPECT_EQ(main(mw::kCoreHeroButtons[i - 1]).hint, tables.champions.names[core[i]]);
    }
  }
  EXPECT_EQ(board[1], 48);
  expectSelected(48);
  // Champion 48 wants item 11 (4 + 6) and item 23 (5 + 5) twice.
  EXPECT_EQ(main(mw::核心装备2).hint, main(mw::核心装备3).hint);
  EXPECT_EQ(main(mw::合成装备1).hint, tables.items.names[4]);
  EXPECT_EQ(main(mw::合成装备2).hint, tables.items.names[6]);
  for (std::int32_t part : {mw::合成装备3, mw::合成装备4, mw::合成装备5, mw::合成装备6})
    EXPECT_EQ(main(part).hint, tables.items.names[5]);
}

TEST_F(LineupViewTest, CoreItemHintIsNameColonEffect) {
  const int t = tables.champions.coreItems[48][1];
  EXPECT_EQ(main(mw::核心装备1).hint, tables.items.names[t] + "：" + tables.items.effects[t]);
}

TEST_F(LineupViewTest, RowClickSelectsAnotherChampionWithoutHiding) {
  const NumberList& board = tables.lineups.finalBoard[83];
  for (int k : {3, 7, 1}) {
    click(layout::kMainWindow, mw::kHeroButtons[k - 1]);
    EXPECT_EQ(lineup.selectedSlot, k);
    expectSelected(board[k]);
    for (int i = 1; i <= 7; ++i) EXPECT_TRUE(main(mw::kHeroButtons[i - 1]).visible);
  }
}

// A click in the row writes the selection only: the row and the carries of
// each lineup stay as shown, whatever was selected before.
TEST_F(LineupViewTest, RowClicksThroughLineupsKeepRowAndCarries) {
  for (int k : {83, 1, lineupCount(tables.lineups)}) {
    lineup.currentLineup = k;
    lineup.selectedSlot = 1;
    hideLineup(views);
    showLineup(views, k);
    const NumberList& board = tables.lineups.finalBoard[k];
    const NumberList& core = tables.lineups.core[k];
    for (int slot = board.count(); slot >= 1; --slot) {
      click(layout::kMainWindow, mw::kHeroButtons[slot - 1]);
      expectSelected(board[slot]);
      for (int i = 1; i <= board.count(); ++i) {
        const ControlState& b = main(mw::kHeroButtons[i - 1]);
        EXPECT_TRUE(b.visible) << k << " " << i;
        EXPECT_EQ(b.picture, pictureOf(tables.champions.portraits, board[i] - 1)) << k << " " << i;
      }
      for (int i = 1; i <= std::min(core.count(), 5); ++i)
        EXPECT_EQ(main(mw::kCoreHeroButtons[i - 1]).hint, tables.champions.names[core[i]]) << k << " " << i;
    }
  }
}

TEST_F(LineupViewTest, HiddenRowButtonsIgnoreStrayClicks) {
  click(layout::kMainWindow, mw::英雄按钮9);
  EXPECT_EQ(lineup.selectedSlot, 1);
  expectSelected(48);
}

TEST_F(LineupViewTest, HideLineupHidesEveryControlAndZeroShowsNothing) {
  hideLineup(views);
  showLineup(views, 0);
  showLineup(views, 84);
  showLineup(views, -5);
  for (const ControlList* list : {&lineup.HeroButtons, &lineup.CoreHeroButtons, &lineup.CoreMarks,
                                  &lineup.CoreItemButtons, &lineup.ComponentButtons})
    for (ControlRef ref : *list) EXPECT_FALSE(ui.control(ref).visible);
  EXPECT_FALSE(main(mw::英雄详情).visible);
  // Pictures and hints stay.
  EXPECT_EQ(main(mw::英雄按钮1).hint, tables.champions.names[48]);
}

TEST_F(LineupViewTest, RepeatedItemsShowTwice) {
  for (int c = 1; c <= championCount(tables.champions); ++c) {
    const NumberList& items = tables.champions.coreItems[c];
    if (items[2] != items[3]) continue;
    // Find a lineup and slot holding champion c and show it.
    for (int k = 1; k <= lineupCount(tables.lineups); ++k) {
      const int slot = tables.lineups.finalBoard[k].find(c);
      if (slot == 0) continue;
      lineup.currentLineup = k;
      lineup.selectedSlot = slot;
      hideLineup(views);
      showLineup(views, k);
      expectSelected(c);
      EXPECT_EQ(main(mw::核心装备2).picture, main(mw::核心装备3).picture);
      EXPECT_EQ(main(mw::合成装备3).hint, main(mw::合成装备5).hint);
      return;
    }
  }
  FAIL() << "no champion with a repeated item in any lineup";
}

}  // namespace
}  // namespace vex::test
