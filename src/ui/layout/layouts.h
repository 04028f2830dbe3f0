// The design-time layouts of the eight windows, built from their control
// tables, and their registration with the toolkit.
#pragma once
#include <cstdint>
#include <vector>

#include "toolkit/controls/ui.h"
#include "toolkit/controls/ui_types.h"
#include "ui/layout/window_ids.h"

namespace vex::layout {

const WindowLayout& mainWindowLayout();
const WindowLayout& itemChartWindowLayout();
const WindowLayout& lineupWindowLayout();
const WindowLayout& aboutWindowLayout();
const WindowLayout& donateWindowLayout();
const WindowLayout& heroListWindowLayout();
const WindowLayout& updateWindowLayout();
const WindowLayout& itemListWindowLayout();

// All eight, in window-id order.
std::vector<const WindowLayout*> allLayouts();
// The layout of a window id, nullptr for an unknown id.
const WindowLayout* layoutOf(std::int32_t window);

// Adds all eight layouts to `ui` (handlers are bound by the views).
void registerLayouts(Ui& ui);

}  // namespace vex::layout
