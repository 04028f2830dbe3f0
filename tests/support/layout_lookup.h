// The layout tables looked up as the tests ask for controls: by number
// within a group, by id, by name. The program itself walks the id arrays of
// window_ids.h and never looks a control up.
#pragma once
#include <cstdint>
#include <span>

#include "ui/layout/layouts.h"
#include "ui/layout/window_ids.h"

namespace vex::layout {

// Id k (1-based) of a group; 0 outside it.
constexpr std::int32_t idAt(std::span<const std::int32_t> group, int k) {
  return k >= 1 && k <= static_cast<int>(group.size()) ? group[static_cast<std::size_t>(k - 1)] : 0;
}

// The row of control `id` in `layout`, nullptr when absent.
inline const ControlState* findControl(const WindowLayout& layout, std::int32_t id) {
  for (const ControlState& c : layout.controls)
    if (c.id == id) return &c;
  return nullptr;
}

// The control named `gbkName` in `window`; {0, 0} when there is none.
inline ControlRef controlNamed(std::int32_t window, const Text& gbkName) {
  const WindowLayout* w = layoutOf(window);
  if (w == nullptr) return {};
  for (const ControlState& c : w->controls)
    if (c.name == gbkName) return {window, c.id};
  return {};
}

namespace main_window {
constexpr std::int32_t heroButtonId(int k) { return idAt(kHeroButtons, k); }
constexpr std::int32_t coreHeroId(int k) { return idAt(kCoreHeroButtons, k); }
constexpr std::int32_t coreMarkId(int k) { return idAt(kCoreMarks, k); }
constexpr std::int32_t coreItemId(int k) { return idAt(kCoreItemButtons, k); }
constexpr std::int32_t componentId(int k) { return idAt(kComponentButtons, k); }
}  // namespace main_window

namespace item_chart_window {
// Id of 装备n (n = 1 ... 81); 0 outside that range.
constexpr std::int32_t chartCellId(int n) { return idAt(kChartCells, n); }
}  // namespace item_chart_window

namespace lineup_window {
// Id of 英雄列表按钮n (n = 1 ... 30); 0 outside that range.
constexpr std::int32_t pickerButtonId(int n) {
  return n <= 20 ? idAt(kPickerButtons, n) : idAt(kMyLineupButtons, n - 20);
}
// Id of the marker 图片框k (k = 1 ... 10) on 英雄列表按钮(20 + k); 0 outside.
constexpr std::int32_t myLineupMarkId(int k) { return idAt(kMyLineupMarks, k); }
}  // namespace lineup_window

}  // namespace vex::layout
