#include "views/list_windows.h"

#include <string>

#include "ui/layout/window_ids.h"

namespace vex {

namespace {

namespace hl = layout::hero_list_window;
namespace il = layout::item_list_window;

constexpr ControlRef kChampionList{layout::kHeroListWindow, hl::英雄超级列表框};
constexpr ControlRef kItemList{layout::kItemListWindow, il::装备超级列表框};

}  // namespace

void fillChampionList(const Views& v) {
  const ChampionTable& t = v.tables.champions;
  v.ui.listClear(kChampionList);
  for (int n = 1; n <= championCount(t); ++n) {
    const int row = v.ui.listAppendRow(kChampionList);
    if (row < 0) return;
    v.ui.listSetCell(kChampionList, row, hl::kRatingColumn, t.ratings[n]);
    v.ui.listSetCell(kChampionList, row, hl::kNameColumn, t.names[n]);
    v.ui.listSetCellImage(kChampionList, row, hl::kIconColumn, n - 1);
    v.ui.listSetCell(kChampionList, row, hl::kCostColumn, std::to_string(t.costs[n]));
    v.ui.listSetCell(kChampionList, row, hl::kOriginColumn, t.origins[n]);
    v.ui.listSetCell(kChampionList, row, hl::kClassColumn, t.classes[n]);
  }
  v.ui.sortListByColumn(kChampionList, hl::kRatingColumn);
}

void fillItemList(const Views& v) {
  const ItemTable& t = v.tables.items;
  v.ui.listClear(kItemList);
  for (int n = 1; n <= itemCount(t); ++n) {
    const int row = v.ui.listAppendRow(kItemList);
    if (row < 0) return;
    v.ui.listSetCell(kItemList, row, il::kRatingColumn, t.ratings[n]);
    v.ui.listSetCell(kItemList, row, il::kNameColumn, t.names[n]);
    v.ui.listSetCellImage(kItemList, row, il::kIconColumn, n - 1);
    const NumberList& parts = t.components[n];
    for (int j = 1; j <= parts.count() && j <= 2; ++j)
      v.ui.listSetCellImage(kItemList, row, il::kFirstPartColumn + j - 1, parts[j] - 1);
    v.ui.listSetCell(kItemList, row, il::kEffectColumn, t.effects[n]);
  }
  v.ui.sortListByColumn(kItemList, il::kRatingColumn);
}

void heroListWindowCreated(const Views& v) {
  v.shell.placeWindow(layout::kHeroListWindow, layout::kLineupWindow, 552, 0);
  v.shell.makeLayered(layout::kHeroListWindow);
  v.ui.listSetPictures(kChampionList, v.tables.champions.icons);
  fillChampionList(v);
}

void itemListWindowCreated(const Views& v) {
  v.shell.placeWindow(layout::kItemListWindow, layout::kItemChartWindow, 338, 0);
  v.shell.makeLayered(layout::kItemListWindow);
  v.ui.listSetPictures(kItemList, v.tables.items.icons);
  fillItemList(v);
}

}  // namespace vex
