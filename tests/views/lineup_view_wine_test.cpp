// MainWindow's lineup view on real windows: what the user sees right after
// start and after clicking a champion of the row.
#include <gtest/gtest.h>

#include "native_probe.h"

namespace vex::test {
namespace {

namespace mw = layout::main_window;

class LineupViewOnScreen : public ::testing::Test {
 protected:
  LineupViewOnScreen() { pointerAway(); }

  HWND main() { return run.window(layout::kMainWindow); }
  static ControlRef ctl(std::int32_t id) { return {layout::kMainWindow, id}; }
  bool visible(std::int32_t id) { return showing(run, ctl(id)); }
  Pixels look(std::int32_t id) { return drawn(run, ctl(id)); }
  std::wstring tip(std::int32_t id) { return tipOf(run, ctl(id)); }
  const GameTables& tables() { return run.app().state().tables; }
  std::wstring championName(int c) { return wide(tables().champions.names[c]); }
  std::wstring itemTip(int t) { return wide(tables().items.names[t] + "：" + tables().items.effects[t]); }

  // The detail button and both item rows describe champion `c`, as drawn.
  void expectDescribes(int c) {
    const Colour cost = costColourOf(tables(), c);
    EXPECT_TRUE(visible(mw::英雄详情));
    EXPECT_EQ(tip(mw::英雄详情), championName(c));
    // The three background states hold the cost colour: at rest, under the
    // pointer and pressed the corner around the portrait shows it.
    EXPECT_EQ(look(mw::英雄详情).at(0, 0), cost) << "at rest";
    const RECT box = screenBoxOf(run, ctl(mw::英雄详情));
    pointerTo(centreOf(box), 100);
    EXPECT_EQ(look(mw::英雄详情).at(0, 0), cost) << "under the pointer";
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    pump(100);
    EXPECT_EQ(look(mw::英雄详情).at(0, 0), cost) << "pressed";
    // Released outside, on the window's empty top right: no click.
    pointerTo(POINT{box.right + 5, box.bottom + 5});
    sendMouse(MOUSEEVENTF_LEFTUP);
    pump(60);
    pointerAway();
    for (ButtonState s : {kNormal, kHover, kPressed})
      EXPECT_EQ(run.ui().control({layout::kMainWindow, mw::英雄详情}).backColour[s], cost);
    EXPECT_GT(look(mw::英雄详情).coloursInCentre(30), 20) << "a portrait is drawn";

    const NumberList& items = tables().champions.coreItems[c];
    ASSERT_EQ(items.count(), 3);
    for (int i = 1; i <= 3; ++i) {
      const int t = items[i];
      EXPECT_TRUE(visible(mw::coreItemId(i))) << i;
      EXPECT_EQ(tip(mw::coreItemId(i)), itemTip(t)) << i;
      EXPECT_GT(look(mw::coreItemId(i)).coloursInCentre(20), 8) << "item picture " << i;
      for (int j = 1; j <= 2; ++j) {
        const int part = 2 * (i - 1) + j;
        const int b = tables().items.components[t][j];
        EXPECT_TRUE(visible(mw::componentId(part))) << part;
        EXPECT_EQ(tip(mw::componentId(part)), wide(tables().items.names[b])) << "component " << part;
      }
    }
  }

  RunningApp run;
};

TEST_F(LineupViewOnScreen, StartShowsLineup83AsTheUserSeesIt) {
  const NumberList& board = tables().lineups.finalBoard[83];
  ASSERT_EQ(board.count(), 7);
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(visible(mw::heroButtonId(k)), k <= 7) << "英雄按钮" << k;
    if (k > 7) continue;
    const Pixels drawn = look(mw::heroButtonId(k));
    EXPECT_EQ(drawn.at(0, 0), costColourOf(tables(), board[k])) << "cost colour of 英雄按钮" << k;
    EXPECT_GT(drawn.coloursInCentre(30), 20) << "portrait on 英雄按钮" << k;
    EXPECT_EQ(tip(mw::heroButtonId(k)), championName(board[k])) << k;
  }
  const NumberList& core = tables().lineups.core[83];
  ASSERT_EQ(core.count(), 3);
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(visible(mw::coreHeroId(k)), k <= 3) << "核心英雄" << k;
    EXPECT_EQ(visible(mw::coreMarkId(k)), k <= 3) << "图片框" << k;
    if (k <= 3) {
      EXPECT_EQ(tip(mw::coreHeroId(k)), championName(core[k]));
      EXPECT_GT(look(mw::coreHeroId(k)).coloursInCentre(30), 20) << "portrait on 核心英雄" << k;
    }
  }
  EXPECT_EQ(board[1], 48);
  expectDescribes(48);
  // Item 11 is made of 4 and 6; item 23 (wanted twice) of 5 and 5.
  EXPECT_EQ(tip(mw::合成装备1), wide(tables().items.names[4]));
  EXPECT_EQ(tip(mw::合成装备2), wide(tables().items.names[6]));
  EXPECT_EQ(tip(mw::核心装备2), tip(mw::核心装备3));

  const RECT m = screenRect(main()), l = screenRect(run.window(layout::kLineupWindow));
  EXPECT_EQ(l.top, m.top + 160);
  EXPECT_EQ(l.left, m.left);
}

TEST_F(LineupViewOnScreen, RowClickRewritesTheDetailAndItemRows) {
  const NumberList& board = tables().lineups.finalBoard[83];
  for (int k : {4, 7, 2}) {
    click(run, ctl(mw::heroButtonId(k)), 150);
    EXPECT_EQ(run.app().state().lineup.selectedSlot, k);
    expectDescribes(board[k]);
    for (int i = 1; i <= 7; ++i) EXPECT_TRUE(visible(mw::heroButtonId(i))) << "row stays";
  }
}

TEST_F(LineupViewOnScreen, ReopenedLineupWindowSitsBelowAndRedrawsMyLineup) {
  namespace lw = layout::lineup_window;
  click(run, {layout::kLineupWindow, lw::pickerButtonId(1)});
  ASSERT_EQ(run.app().state().picker.MyLineup.count(), 1);
  const int member = run.app().state().picker.MyLineup[1];
  const int filtered = rowCount(run.listView(layout::kLineupWindow, lw::阵容超级列表框));

  click(run, {layout::kLineupWindow, lw::关闭按钮});
  ASSERT_FALSE(run.ui().isOpen(layout::kLineupWindow));
  run.ui().moveWindow(layout::kMainWindow, 60, 90);
  click(run, ctl(mw::阵容菜单按钮), 300);
  ASSERT_TRUE(run.ui().isOpen(layout::kLineupWindow));
  HWND lineup = run.window(layout::kLineupWindow);
  const RECT l = screenRect(lineup);
  EXPECT_EQ(l.left, 60);
  EXPECT_EQ(l.top, 90 + 160);
  EXPECT_TRUE(IsWindowVisible(lineup));

  // Place 1 shows the kept member, its mark is up, and the list is filtered again.
  const ControlRef place{layout::kLineupWindow, lw::pickerButtonId(21)};
  EXPECT_EQ(tipOf(run, place), championName(member));
  EXPECT_GT(drawn(run, place).coloursInCentre(16), 8) << "member's icon drawn";
  EXPECT_TRUE(showing(run, {layout::kLineupWindow, lw::myLineupMarkId(1)}));
  EXPECT_FALSE(showing(run, {layout::kLineupWindow, lw::myLineupMarkId(2)}));
  HWND list = run.listView(layout::kLineupWindow, lw::阵容超级列表框);
  EXPECT_EQ(rowCount(list), filtered);
  EXPECT_LT(rowCount(list), 83);
}

}  // namespace
}  // namespace vex::test
