#include "view_fixture.h"

namespace vex::test {
namespace {

using namespace layout;

struct PlacedWindow {
  std::int32_t window, reference, owner;
  int dx, dy;
};

// Each window places itself beside its reference window, then is colour-keyed.
constexpr PlacedWindow kPlaced[] = {
    {kLineupWindow, kMainWindow, 0, 0, 160},
    {kItemChartWindow, kMainWindow, 0, 552, 0},
    {kHeroListWindow, kLineupWindow, kLineupWindow, 552, 0},
    {kItemListWindow, kItemChartWindow, kItemChartWindow, 338, 0},
    {kDonateWindow, kAboutWindow, kAboutWindow, 386, 0},
};

class PlacementTest : public ViewTest {
 protected:
  PlacementTest() {
    ui.open(kLineupWindow);
    ui.open(kItemChartWindow);
    ui.open(kAboutWindow, kMainWindow);
    ui.moveWindow(kLineupWindow, 120, 210);
    ui.moveWindow(kItemChartWindow, 652, 50);
    ui.moveWindow(kAboutWindow, 300, 240);
  }
};

TEST_F(PlacementTest, WindowsOpenBesideTheirReferenceThenAreColourKeyed) {
  for (const PlacedWindow& p : kPlaced) {
    ui.close(p.window);
    shell.log.clear();
    ui.open(p.window, p.owner);
    ASSERT_TRUE(ui.isOpen(p.window));
    EXPECT_EQ(shell.placements.back(), (Placement{p.window, p.reference, p.dx, p.dy}));
    EXPECT_EQ(ui.windowLeft(p.window), ui.windowLeft(p.reference) + p.dx) << p.window;
    EXPECT_EQ(ui.windowTop(p.window), ui.windowTop(p.reference) + p.dy) << p.window;
    const std::vector<std::string> order{"place " + std::to_string(p.window),
                                         "layer " + std::to_string(p.window)};
    EXPECT_EQ(shell.log, order) << p.window;
  }
}

TEST_F(PlacementTest, AboutAndUpdateKeepTheirFormPosition) {
  ui.close(kAboutWindow);
  shell.log.clear();
  ui.open(kAboutWindow, kMainWindow);
  EXPECT_EQ(shell.log, (std::vector<std::string>{"layer " + std::to_string(kAboutWindow), "fetch"}));
  EXPECT_EQ(ui.windowLeft(kAboutWindow), aboutWindowLayout().left);
  shell.log.clear();
  ui.open(kUpdateWindow);
  EXPECT_TRUE(shell.log.empty());
}

}  // namespace
}  // namespace vex::test
