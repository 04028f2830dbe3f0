// Every event of the views' windows, bound in one place so the app wires
// them with a single call.
#include "ui/layout/window_ids.h"
#include "views/about_view.h"
#include "views/item_chart_view.h"
#include "views/lineup_picker.h"
#include "views/lineup_view.h"
#include "views/list_windows.h"
#include "views/views.h"

namespace vex {

namespace {

using namespace layout;

void bindMainWindow(const Views& v) {
  constexpr std::int32_t heroButtons[] = {
      main_window::英雄按钮1, main_window::英雄按钮2, main_window::英雄按钮3, main_window::英雄按钮4,
      main_window::英雄按钮5, main_window::英雄按钮6, main_window::英雄按钮7, main_window::英雄按钮8,
      main_window::英雄按钮9, main_window::英雄按钮10};
  for (int k = 1; k <= 10; ++k)
    v.ui.bind({kMainWindow, heroButtons[k - 1]}, Event::Clicked, [v, k] { selectSlot(v, k); });
}

void bindWindowButtons(const Views& v, std::int32_t window, std::int32_t minimise, std::int32_t close) {
  if (minimise != 0) v.ui.bind({window, minimise}, Event::Clicked, [v, window] { v.ui.minimise(window); });
  v.ui.bind({window, close}, Event::Clicked, [v, window] { v.ui.close(window); });
}

void bindLineupWindow(const Views& v) {
  namespace lw = lineup_window;
  v.ui.bindCreated(kLineupWindow, [v] { lineupWindowCreated(v); });
  for (int k = 1; k <= 20; ++k)
    v.ui.bind({kLineupWindow, lw::pickerButtonId(k)}, Event::Clicked, [v, k] { pickChampion(v, k); });
  for (int k = 1; k <= 10; ++k)
    v.ui.bind({kLineupWindow, lw::pickerButtonId(20 + k)}, Event::Clicked, [v, k] { clickPlace(v, k); });
  constexpr std::int32_t costButtons[] = {lw::花费列表按钮1, lw::花费列表按钮2, lw::花费列表按钮3,
                                          lw::花费列表按钮4, lw::花费列表按钮5};
  for (int cost = 1; cost <= 5; ++cost)
    v.ui.bind({kLineupWindow, costButtons[cost - 1]}, Event::Clicked, [v, cost] { showCost(v, cost); });
  v.ui.bind({kLineupWindow, lw::清空按钮}, Event::Clicked, [v] { clearMyLineup(v); });
  v.ui.bind({kLineupWindow, lw::阵容超级列表框}, Event::ListClicked, [v] { lineupListClicked(v); });
  v.ui.bind({kLineupWindow, lw::英雄按钮}, Event::Clicked,
            [v] { v.ui.open(kHeroListWindow, kLineupWindow); });
  bindWindowButtons(v, kLineupWindow, lw::最小化按钮, lw::关闭按钮);
}

void bindItemChartWindow(const Views& v) {
  namespace ic = item_chart_window;
  v.ui.bindCreated(kItemChartWindow, [v] { itemChartWindowCreated(v); });
  const ControlRef corner{kItemChartWindow, ic::chartCellId(1)};
  v.ui.bind(corner, Event::Clicked, [v] { chartCornerClicked(v); });
  v.ui.bind(corner, Event::RightButtonPressed, [v] { chartCornerRightPressed(v); });
  for (int j = 1; j < kChartSide; ++j)
    v.ui.bind({kItemChartWindow, ic::chartCellId(1 + j)}, Event::Clicked,
              [v, j] { chartColumnClicked(v, j); });
  for (int i = 1; i < kChartSide; ++i)
    v.ui.bind({kItemChartWindow, ic::chartCellId(kChartSide * i + 1)}, Event::Clicked,
              [v, i] { chartRowClicked(v, i); });
  v.ui.bind({kItemChartWindow, ic::英雄按钮}, Event::Clicked,
            [v] { v.ui.open(kItemListWindow, kItemChartWindow); });
  bindWindowButtons(v, kItemChartWindow, ic::最小化按钮, ic::关闭按钮);
}

void bindListWindows(const Views& v) {
  v.ui.bindCreated(kHeroListWindow, [v] { heroListWindowCreated(v); });
  bindWindowButtons(v, kHeroListWindow, 0, hero_list_window::关闭按钮);
  v.ui.bindCreated(kItemListWindow, [v] { itemListWindowCreated(v); });
  bindWindowButtons(v, kItemListWindow, 0, item_list_window::关闭按钮);
}

void bindAboutWindows(const Views& v, Handler updateCreated) {
  namespace ab = about_window;
  v.ui.bindCreated(kAboutWindow, [v] { aboutWindowCreated(v); });
  v.ui.bind({kAboutWindow, ab::超级按钮1}, Event::Clicked, [v] { updateNowPressed(v); });
  v.ui.bind({kAboutWindow, ab::超级按钮2}, Event::Clicked, [v] { socialPagePressed(v); });
  v.ui.bind({kAboutWindow, ab::超级按钮3}, Event::Clicked, [v] { v.ui.open(kDonateWindow, kAboutWindow); });
  // The body swallows the press; the title strip does the dragging.
  v.ui.bind({kAboutWindow, ab::外形框2}, Event::LeftButtonPressed, [] {});
  bindWindowButtons(v, kAboutWindow, 0, ab::关闭按钮);

  v.ui.bindCreated(kDonateWindow, [v] { donateWindowCreated(v); });
  bindWindowButtons(v, kDonateWindow, 0, donate_window::关闭按钮);

  if (updateCreated) v.ui.bindCreated(kUpdateWindow, std::move(updateCreated));
  bindWindowButtons(v, kUpdateWindow, 0, update_window::关闭按钮);
}

}  // namespace

void bindViewHandlers(const Views& v, Handler updateCreated) {
  bindMainWindow(v);
  bindLineupWindow(v);
  bindItemChartWindow(v);
  bindListWindows(v);
  bindAboutWindows(v, std::move(updateCreated));
}

}  // namespace vex
