// Champion names reach the player only as tooltips, so a tip must draw its
// Chinese text: the shown tips of two champions whose names are equally
// long differ in their pixels (a font without the glyphs draws both as the
// same row of boxes).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "../views/native_probe.h"

namespace vex::test {
namespace {

namespace mw = layout::main_window;

// Hovers a control until its window's tooltip is up; the tip's own pixels.
Pixels hoveredTip(RunningApp& run, ControlRef ref) {
  HWND tooltip = ownedTooltip(run.app().backend().windowHandle(ref.window));
  pointerAway();
  for (int i = 0; i < 40 && IsWindowVisible(tooltip); ++i) pump(50);
  pointerTo(centreOf(screenBoxOf(run, ref)));
  for (int i = 0; i < 100 && !IsWindowVisible(tooltip); ++i) pump(50);
  pump(200);  // painted
  return IsWindowVisible(tooltip) ? Pixels::of(tooltip) : Pixels(tooltip, RECT{});
}

TEST(TooltipLook, TwoChampionsOfEquallyLongNamesDrawDifferentTips) {
  RunningApp run;
  const GameTables& tables = run.app().state().tables;
  const NumberList& board = tables.lineups.finalBoard[83];
  int first = 0, second = 0;
  for (int a = 1; a <= board.count() && !second; ++a)
    for (int b = a + 1; b <= board.count() && !second; ++b) {
      const std::wstring x = wide(tables.champions.names[board[a]]),
                         y = wide(tables.champions.names[board[b]]);
      if (x.size() == y.size() && x != y) first = a, second = b;
    }
  ASSERT_NE(second, 0) << "lineup 83 has two champions of equally long names";
  std::printf("hovering hero buttons %d and %d\n", first, second);
  const ControlRef one{layout::kMainWindow, mw::heroButtonId(first)},
      two{layout::kMainWindow, mw::heroButtonId(second)};
  ASSERT_EQ(tipOf(run, one), wide(tables.champions.names[board[first]]));
  ASSERT_EQ(tipOf(run, two), wide(tables.champions.names[board[second]]));

  const Pixels a = hoveredTip(run, one), b = hoveredTip(run, two);
  pointerAway();
  ASSERT_FALSE(a.empty()) << "the tip of hero button " << first << " showed";
  ASSERT_FALSE(b.empty()) << "the tip of hero button " << second << " showed";
  EXPECT_GT(a.coloursInCentre(std::min(a.width(), a.height()) - 4), 1) << "the tip draws something";
  EXPECT_FALSE(a == b) << "the " << a.width() << "x" << a.height() << " tips of hero buttons " << first
                       << " and " << second << " draw the same pixels";
}

}  // namespace
}  // namespace vex::test
