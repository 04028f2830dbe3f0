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
  HWND ctl(std::int32_t id) { return run.control(layout::kMainWindow, id); }
  std::wstring tip(std::int32_t id) {
    return tipOf(run.app().backend().tooltipHandle(layout::kMainWindow), main(), ctl(id));
  }
  const GameTables& tables() { return run.app().state().tables; }
  std::wstring championName(int c) { return wide(tables().champions.names[c]); }
  std::wstring itemTip(int t) { return wide(tables().items.names[t] + "：" + tables().items.effects[t]); }

  // The detail button and both item rows describe champion `c`, natively.
  void expectDescribes(int c) {
    const Colour cost = costColourOf(tables(), c);
    HWND detail = ctl(mw::英雄详情);
    EXPECT_TRUE(IsWindowVisible(detail));
    EXPECT_EQ(tip(mw::英雄详情), championName(c));
    // The three background states hold the cost colour: at rest, under the
    // pointer and pressed the corner around the portrait shows it.
    EXPECT_EQ(Drawn(detail).at(0, 0), cost) << "at rest";
    RECT r;
    GetClientRect(detail, &r);
    SendMessageW(detail, WM_MOUSEMOVE, 0, MAKELPARAM(r.right / 2, r.bottom / 2));
    EXPECT_EQ(Drawn(detail).at(0, 0), cost) << "under the pointer";
    SendMessageW(detail, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom / 2));
    EXPECT_EQ(Drawn(detail).at(0, 0), cost) << "pressed";
    // Released outside: no click.
    SendMessageW(detail, WM_LBUTTONUP, 0, MAKELPARAM(r.right + 5, r.bottom + 5));
    SendMessageW(detail, WM_MOUSELEAVE, 0, 0);
    for (ButtonState s : {kNormal, kHover, kPressed})
      EXPECT_EQ(run.ui().control({layout::kMainWindow, mw::英雄详情}).backColour[s], cost);
    EXPECT_GT(Drawn(detail).coloursInCentre(30), 20) << "a portrait is drawn";

    const NumberList& items = tables().champions.coreItems[c];
    ASSERT_EQ(items.count(), 3);
    for (int i = 1; i <= 3; ++i) {
      const int t = items[i];
      EXPECT_TRUE(IsWindowVisible(ctl(mw::coreItemId(i)))) << i;
      EXPECT_EQ(tip(mw::coreItemId(i)), itemTip(t)) << i;
      EXPECT_GT(Drawn(ctl(mw::coreItemId(i))).coloursInCentre(20), 8) << "item picture " << i;
      for (int j = 1; j <= 2; ++j) {
        const int part = 2 * (i - 1) + j;
        const int b = tables().items.components[t][j];
        EXPECT_TRUE(IsWindowVisible(ctl(mw::componentId(part)))) << part;
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
    HWND b = ctl(mw::heroButtonId(k));
    EXPECT_EQ(IsWindowVisible(b) != FALSE, k <= 7) << "英雄按钮" << k;
    if (k > 7) continue;
    const Drawn drawn(b);
    EXPECT_EQ(drawn.at(0, 0), costColourOf(tables(), board[k])) << "cost colour of 英雄按钮" << k;
    EXPECT_GT(drawn.coloursInCentre(30), 20) << "portrait on 英雄按钮" << k;
    EXPECT_EQ(tip(mw::heroButtonId(k)), championName(board[k])) << k;
  }
  const NumberList& core = tables().lineups.core[83];
  ASSERT_EQ(core.count(), 3);
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(IsWindowVisible(ctl(mw::coreHeroId(k))) != FALSE, k <= 3) << "核心英雄" << k;
    EXPECT_EQ(IsWindowVisible(ctl(mw::coreMarkId(k))) != FALSE, k <= 3) << "图片框" << k;
    if (k <= 3) {
      EXPECT_EQ(tip(mw::coreHeroId(k)), championName(core[k]));
      EXPECT_GT(Drawn(ctl(mw::coreHeroId(k))).coloursInCentre(30), 20) << "portrait on 核心英雄" << k;
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
    postClick(ctl(mw::heroButtonId(k)));
    pump(150);
    EXPECT_EQ(run.app().state().lineup.selectedSlot, k);
    expectDescribes(board[k]);
    for (int i = 1; i <= 7; ++i) EXPECT_TRUE(IsWindowVisible(ctl(mw::heroButtonId(i)))) << "row stays";
  }
}

TEST_F(LineupViewOnScreen, ReopenedLineupWindowSitsBelowAndRedrawsMyLineup) {
  namespace lw = layout::lineup_window;
  HWND picker = run.control(layout::kLineupWindow, lw::pickerButtonId(1));
  postClick(picker);
  pump(200);
  ASSERT_EQ(run.app().state().picker.MyLineup.count(), 1);
  const int member = run.app().state().picker.MyLineup[1];
  const int filtered = rowCount(run.control(layout::kLineupWindow, lw::阵容超级列表框));

  postClick(run.control(layout::kLineupWindow, lw::关闭按钮));
  pump(200);
  ASSERT_FALSE(run.ui().isOpen(layout::kLineupWindow));
  run.ui().moveWindow(layout::kMainWindow, 60, 90);
  postClick(ctl(mw::阵容菜单按钮));
  pump(300);
  ASSERT_TRUE(run.ui().isOpen(layout::kLineupWindow));
  HWND lineup = run.window(layout::kLineupWindow);
  const RECT l = screenRect(lineup);
  EXPECT_EQ(l.left, 60);
  EXPECT_EQ(l.top, 90 + 160);
  EXPECT_TRUE(IsWindowVisible(lineup));

  // Place 1 shows the kept member, its mark is up, and the list is filtered again.
  HWND place = run.control(layout::kLineupWindow, lw::pickerButtonId(21));
  EXPECT_EQ(tipOf(run.app().backend().tooltipHandle(layout::kLineupWindow), lineup, place),
            championName(member));
  EXPECT_GT(Drawn(place).coloursInCentre(16), 8) << "member's icon drawn";
  EXPECT_TRUE(IsWindowVisible(run.control(layout::kLineupWindow, lw::myLineupMarkId(1))));
  EXPECT_FALSE(IsWindowVisible(run.control(layout::kLineupWindow, lw::myLineupMarkId(2))));
  HWND list = run.control(layout::kLineupWindow, lw::阵容超级列表框);
  EXPECT_EQ(rowCount(list), filtered);
  EXPECT_LT(rowCount(list), 83);
}

}  // namespace
}  // namespace vex::test
