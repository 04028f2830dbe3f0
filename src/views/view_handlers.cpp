// Every event of the views' windows, bound in one place so the app wires
// them with a single call.
#include <span>

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

// A click on the k-th control of a group calls `onClick(k)`.
template <typename OnClick>
void bindGroup(const Views& v, std::int32_t window, std::span<const std::int32_t> group, OnClick onClick) {
  for (int k = 1; k <= static_cast<int>(group.size()); ++k)
    v.ui.bind({window, group[static_cast<std::size_t>(k - 1)]}, Event::Clicked, [onClick, k] { onClick(k); });
}

void bindMainWindow(const Views& v) {
  bindGroup(v, kMainWindow, main_window::kHeroButtons, [v](int k) { selectSlot(v, k); });
}

void bindWindowButtons(const Views& v, std::int32_t window, std::int32_t minimise, std::int32_t close) {
  if (minimise != 0) v.ui.bind({window, minimise}, Event::Clicked, [v, window] { v.ui.minimise(window); });
  v.ui.bind({window, close}, Event::Clicked, [v, window] { v.ui.close(window); });
}

void bindLineupWindow(const Views& v) {
  namespace lw = lineup_window;
  v.ui.bindCreated(kLineupWindow, [v] { lineupWindowCreated(v); });
  bindGroup(v, kLineupWindow, lw::kPickerButtons, [v](int k) { pickChampion(v, k); });
  bindGroup(v, kLineupWindow, lw::kMyLineupButtons, [v](int k) { clickPlace(v, k); });
  bindGroup(v, kLineupWindow, lw::kCostButtons, [v](int cost) { showCost(v, cost); });
  v.ui.bind({kLineupWindow, lw::清空按钮}, Event::Clicked, [v] { clearMyLineup(v); });
  v.ui.bind({kLineupWindow, lw::阵容超级列表框}, Event::ListClicked, [v] { lineupListClicked(v); });
  v.ui.bind({kLineupWindow, lw::英雄按钮}, Event::Clicked,
            [v] { v.ui.open(kHeroListWindow, kLineupWindow); });
  bindWindowButtons(v, kLineupWindow, lw::最小化按钮, lw::关闭按钮);
}

void bindItemChartWindow(const Views& v) {
  namespace ic = item_chart_window;
  v.ui.bindCreated(kItemChartWindow, [v] { itemChartWindowCreated(v); });
  const auto& cells = ic::kChartCells;
  const ControlRef corner{kItemChartWindow, cells[0]};
  v.ui.bind(corner, Event::Clicked, [v] { chartCornerClicked(v); });
  v.ui.bind(corner, Event::RightButtonPressed, [v] { chartCornerRightPressed(v); });
  // Header row: 装备(1 + j); header column: 装备(9i + 1).
  for (int j = 1; j < kChartSide; ++j)
    v.ui.bind({kItemChartWindow, cells[j]}, Event::Clicked, [v, j] { chartColumnClicked(v, j); });
  for (int i = 1; i < kChartSide; ++i)
    v.ui.bind({kItemChartWindow, cells[kChartSide * i]}, Event::Clicked, [v, i] { chartRowClicked(v, i); });
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
