// LineupWindow on real windows: cost buttons, my lineup narrowing the
// native list, and a real click on a list row.
#include <gtest/gtest.h>

#include "native_probe.h"

namespace vex::test {
namespace {

namespace lw = layout::lineup_window;
namespace mw = layout::main_window;

constexpr std::int32_t kCostButtons[] = {lw::花费列表按钮1, lw::花费列表按钮2, lw::花费列表按钮3,
                                         lw::花费列表按钮4, lw::花费列表按钮5};

class PickerOnScreen : public ::testing::Test {
 protected:
  PickerOnScreen() { pointerAway(); }

  static ControlRef ctl(std::int32_t id) { return {layout::kLineupWindow, id}; }
  HWND list() { return run.listView(layout::kLineupWindow, lw::阵容超级列表框); }
  std::wstring tip(std::int32_t window, std::int32_t id) { return tipOf(run, {window, id}); }
  const GameTables& tables() { return run.app().state().tables; }
  void click(std::int32_t id, int ms = 200) { test::click(run, ctl(id), ms); }
  // Adds champion c through its cost button and picker button.
  void add(int c) {
    click(kCostButtons[tables().champions.costs[c] - 1]);
    const int k = run.app().state().picker.PickerChampions.find(c);
    ASSERT_NE(k, 0) << c;
    ASSERT_TRUE(showing(run, ctl(lw::pickerButtonId(k))));
    click(lw::pickerButtonId(k));
  }
  // Native row of the list whose ID column names lineup `id`, -1 if none.
  int rowOf(int id) {
    for (int r = 0; r < rowCount(list()); ++r)
      if (cellText(list(), r, lw::kLineupIdColumn) == std::to_wstring(id)) return r;
    return -1;
  }
  void expectRatingOrder() {
    for (int r = 1; r < rowCount(list()); ++r)
      EXPECT_LE(cellText(list(), r - 1, 0), cellText(list(), r, 0)) << "row " << r;
  }

  RunningApp run;
};

TEST_F(PickerOnScreen, CostButtonsShowTheirChampions) {
  const int counts[] = {12, 12, 12, 9, 6};
  for (int cost = 5; cost >= 1; --cost) {
    click(kCostButtons[cost - 1]);
    const NumberList& shown = run.app().state().picker.PickerChampions;
    for (int k = 1; k <= 20; ++k) {
      const ControlRef b = ctl(lw::pickerButtonId(k));
      ASSERT_EQ(showing(run, b), k <= counts[cost - 1]) << "cost " << cost << " button " << k;
      if (k > counts[cost - 1]) continue;
      EXPECT_EQ(tables().champions.costs[shown[k]], cost);
      EXPECT_EQ(tip(layout::kLineupWindow, lw::pickerButtonId(k)), wide(tables().champions.names[shown[k]]));
      EXPECT_GT(drawn(run, b).coloursInCentre(16), 8) << "icon on button " << k;
    }
  }
}

TEST_F(PickerOnScreen, MembersNarrowTheNativeListAndClearingRestoresIt) {
  ASSERT_EQ(rowCount(list()), 83);
  const int expected[] = {6, 4, 0};
  const int members[] = {49, 12, 31};
  for (int i = 0; i < 3; ++i) {
    add(members[i]);
    EXPECT_EQ(rowCount(list()), expected[i]) << "after adding " << members[i];
    expectRatingOrder();
    for (int r = 0; r < rowCount(list()); ++r)
      for (int m = 0; m <= i; ++m)
        EXPECT_NE(cellText(list(), r, 16).find(wide(tables().champions.names[members[m]])),
                  std::wstring::npos);
    EXPECT_TRUE(showing(run, ctl(lw::myLineupMarkId(i + 1))));
    EXPECT_EQ(tip(layout::kLineupWindow, lw::pickerButtonId(21 + i)),
              wide(tables().champions.names[members[i]]));
  }
  click(lw::清空按钮);
  ASSERT_EQ(rowCount(list()), 83);
  EXPECT_EQ(cellText(list(), 0, 0), L"T1");
  EXPECT_EQ(cellText(list(), 82, 0), L"T3");
  expectRatingOrder();
  for (int k = 1; k <= 10; ++k) {
    EXPECT_FALSE(showing(run, ctl(lw::myLineupMarkId(k)))) << k;
    EXPECT_EQ(tip(layout::kLineupWindow, lw::pickerButtonId(20 + k)), L"") << k;
  }
}

TEST_F(PickerOnScreen, RealRowClickShowsThatLineupWithItsFirstChampion) {
  const LineupTable& lineups = tables().lineups;
  int nine = 0, seven = 0;
  for (int k = 1; k <= 83; ++k) {
    if (!nine && lineups.finalBoard[k].count() == 9) nine = k;
    if (!seven && k != 83 && lineups.finalBoard[k].count() == 7) seven = k;
  }
  ASSERT_NE(nine, 0);
  ASSERT_NE(seven, 0);

  clickRow(list(), rowOf(nine));
  ASSERT_EQ(run.app().state().lineup.currentLineup, nine) << "the click reached the list";
  for (int k = 1; k <= 10; ++k)
    EXPECT_EQ(showing(run, {layout::kMainWindow, mw::heroButtonId(k)}), k <= 9) << k;

  test::click(run, {layout::kMainWindow, mw::英雄按钮5}, 150);
  ASSERT_EQ(run.app().state().lineup.selectedSlot, 5);

  clickRow(list(), rowOf(seven));
  EXPECT_EQ(run.app().state().lineup.currentLineup, seven);
  EXPECT_EQ(run.app().state().lineup.selectedSlot, 1);
  for (int k = 1; k <= 10; ++k)
    EXPECT_EQ(showing(run, {layout::kMainWindow, mw::heroButtonId(k)}), k <= 7) << k;
  const int first = lineups.finalBoard[seven][1];
  EXPECT_EQ(tip(layout::kMainWindow, mw::英雄详情), wide(tables().champions.names[first]));
  EXPECT_EQ(drawn(run, {layout::kMainWindow, mw::英雄详情}).at(0, 0), costColourOf(tables(), first));
  for (int k = 1; k <= 7; ++k)
    EXPECT_EQ(tip(layout::kMainWindow, mw::heroButtonId(k)),
              wide(tables().champions.names[lineups.finalBoard[seven][k]]));
}

}  // namespace
}  // namespace vex::test
