// Program-wide state of the views. The app owns one instance of each inside
// its program state; the views only borrow them.
#pragma once
#include <cstdint>
#include <span>

#include "data/item_chart.h"
#include "data/table_types.h"
#include "toolkit/common/one_based_list.h"
#include "toolkit/controls/ui_types.h"

namespace vex {

using ControlList = OneBasedList<ControlRef>;

// One group of a window's controls, in the group's order.
inline ControlList controlsOf(std::int32_t window, std::span<const std::int32_t> group) {
  ControlList list;
  for (std::int32_t id : group) list.append({window, id});
  return list;
}

// MainWindow: the lineup shown and the champion selected in it.
struct LineupViewState {
  std::int32_t currentLineup = 0;  // 0 = none
  std::int32_t selectedSlot = 0;   // position in the shown final board
  ControlList HeroButtons;         // 英雄按钮1..10
  ControlList CoreHeroButtons;     // 核心英雄1..5
  ControlList CoreMarks;           // 图片框1..5
  ControlList CoreItemButtons;     // 核心装备1..3
  ControlList ComponentButtons;    // 合成装备1..6
};

// LineupWindow: the user's own lineup survives closing the window.
struct PickerState {
  NumberList MyLineup;          // at most 10 champions, in the order added
  NumberList PickerChampions;   // champions of the cost shown on the picker
  NumberList ListedLineups;     // lineup of each row of 阵容超级列表框, top down
  ControlList PickerButtons;    // 英雄列表按钮1..20
  ControlList MyLineupButtons;  // 英雄列表按钮21..30
  ControlList MyLineupMarks;    // 图片框1..10 of LineupWindow
};

// ItemChartWindow: the toggle outlives the window; the variants are
// reloaded each time it opens.
struct ChartState {
  ControlList ChartCells;  // 装备1..81
  ChartVariants variants;
  std::int32_t chartToggle = 0;
};

}  // namespace vex
