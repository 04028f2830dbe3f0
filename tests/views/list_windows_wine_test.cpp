// The champion and item lists, About and Donate on real windows: native
// rows, their order and where each window opens.
#include <gtest/gtest.h>

#include "native_probe.h"

namespace vex::test {
namespace {

namespace mw = layout::main_window;

class ListsOnScreen : public ::testing::Test {
 protected:
  ListsOnScreen() { pointerAway(); }
  void click(std::int32_t window, std::int32_t id, int ms = 300) { test::click(run, {window, id}, ms); }
  RunningApp run;
};

// Ratings in ascending text order, as the list's sort leaves them.
void expectSortedByRating(HWND list) {
  for (int r = 1; r < rowCount(list); ++r)
    EXPECT_LE(cellText(list, r - 1, 0), cellText(list, r, 0)) << "row " << r;
}

TEST_F(ListsOnScreen, ChampionListHas51RowsByRatingRightOfThePicker) {
  click(layout::kLineupWindow, layout::lineup_window::英雄按钮);
  ASSERT_TRUE(run.ui().isOpen(layout::kHeroListWindow));
  HWND window = run.window(layout::kHeroListWindow);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetWindow(window, GW_OWNER), run.window(layout::kLineupWindow));
  const RECT l = screenRect(run.window(layout::kLineupWindow)), h = screenRect(window);
  EXPECT_EQ(h.left, l.left + 552);
  EXPECT_EQ(h.top, l.top);

  HWND list = run.listView(layout::kHeroListWindow, layout::hero_list_window::英雄超级列表框);
  ASSERT_EQ(rowCount(list), 51);
  EXPECT_EQ(cellText(list, 0, 0), L"T1");
  EXPECT_EQ(cellText(list, 50, 0), L"T6");
  expectSortedByRating(list);
  // Each row is its champion's: name, cost and traits agree with the table.
  const ChampionTable& champions = run.app().state().tables.champions;
  std::vector<bool> seen(52, false);
  for (int r = 0; r < 51; ++r) {
    int n = 0;
    for (int c = 1; c <= 51; ++c)
      if (wide(champions.names[c]) == cellText(list, r, 1)) n = c;
    ASSERT_NE(n, 0) << "row " << r;
    EXPECT_FALSE(seen[static_cast<std::size_t>(n)]);
    seen[static_cast<std::size_t>(n)] = true;
    EXPECT_EQ(cellText(list, r, 0), wide(champions.ratings[n]));
    EXPECT_EQ(cellText(list, r, 3), std::to_wstring(champions.costs[n]));
    EXPECT_EQ(cellText(list, r, 4), wide(champions.origins[n]));
    EXPECT_EQ(cellText(list, r, 5), wide(champions.classes[n]));
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = r;
    item.iSubItem = 2;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, n - 1) << "picture of row " << r;
  }
}

TEST_F(ListsOnScreen, ItemListHas44RowsUndecidedLastRightOfTheChart) {
  click(layout::kMainWindow, mw::装备图菜单按钮);
  click(layout::kItemChartWindow, layout::item_chart_window::英雄按钮);
  ASSERT_TRUE(run.ui().isOpen(layout::kItemListWindow));
  HWND window = run.window(layout::kItemListWindow);
  EXPECT_TRUE(IsWindowVisible(window));
  const RECT c = screenRect(run.window(layout::kItemChartWindow)), i = screenRect(window);
  EXPECT_EQ(i.left, c.left + 338);
  EXPECT_EQ(i.top, c.top);

  HWND list = run.listView(layout::kItemListWindow, layout::item_list_window::装备超级列表框);
  ASSERT_EQ(rowCount(list), 44);
  const std::wstring undecided = L"\u5f85\u5b9a";  // 待定
  bool pastRated = false;
  int undecidedRows = 0, baseItems = 0;
  for (int r = 0; r < 44; ++r) {
    const std::wstring rating = cellText(list, r, 0);
    if (rating == undecided) {
      pastRated = true;
      ++undecidedRows;
    } else {
      EXPECT_FALSE(pastRated) << "a rated row after 待定 at " << r;
      EXPECT_TRUE(rating.size() == 2 && rating[0] == L'T' && rating[1] >= L'1' && rating[1] <= L'5') << r;
      if (r > 0 && cellText(list, r - 1, 0) != undecided) {
        EXPECT_LE(cellText(list, r - 1, 0), rating);
      }
    }
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = r;
    item.iSubItem = 3;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    baseItems += item.iImage < 0;
  }
  EXPECT_GT(undecidedRows, 0);
  EXPECT_EQ(baseItems, 8) << "the eight base items have no recipe pictures";
}

TEST_F(ListsOnScreen, AboutShowsTheVersionsAndDonateOpensBesideIt) {
  click(layout::kMainWindow, mw::关于菜单按钮, 600);
  ASSERT_TRUE(run.ui().isOpen(layout::kAboutWindow));
  namespace ab = layout::about_window;
  auto caption = [&](std::int32_t id) { return wide(run.ui().control({layout::kAboutWindow, id}).caption); };
  EXPECT_EQ(caption(ab::标签4), L"\u5f53\u524d\u7248\u672c\uff1aV2.1");  // 当前版本：V2.1
  // No version page in tests (nothing listens on the update host): no edition.
  EXPECT_EQ(caption(ab::标签5), L"\u6700\u65b0\u7248\u672c\uff1aV");  // 最新版本：V

  // Opened by code, Donate is placed beside About.
  run.ui().moveWindow(layout::kAboutWindow, 120, 200);
  run.ui().open(layout::kDonateWindow, layout::kAboutWindow);
  pump(300);
  HWND donate = run.window(layout::kDonateWindow);
  ASSERT_NE(donate, nullptr);
  EXPECT_TRUE(IsWindowVisible(donate));
  const RECT d = screenRect(donate);
  EXPECT_EQ(d.left, 120 + 386);
  EXPECT_EQ(d.top, 200);
  EXPECT_EQ(GetWindow(donate, GW_OWNER), run.window(layout::kAboutWindow));

  // And by its button's handler, too (the layout keeps the button hidden,
  // so no pointer reaches it).
  click(layout::kDonateWindow, layout::donate_window::关闭按钮);
  ASSERT_FALSE(run.ui().isOpen(layout::kDonateWindow));
  run.ui().raise({layout::kAboutWindow, ab::超级按钮3}, Event::Clicked);
  pump(300);
  ASSERT_TRUE(run.ui().isOpen(layout::kDonateWindow));
  EXPECT_EQ(screenRect(run.window(layout::kDonateWindow)).left, 120 + 386);
}

}  // namespace
}  // namespace vex::test
