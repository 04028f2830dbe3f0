#include "ui/layout/layouts.h"

namespace vex::layout {

std::vector<const WindowLayout*> allLayouts() {
  return {&mainWindowLayout(),   &itemChartWindowLayout(), &lineupWindowLayout(), &aboutWindowLayout(),
          &donateWindowLayout(), &heroListWindowLayout(),  &updateWindowLayout(), &itemListWindowLayout()};
}

const WindowLayout* layoutOf(std::int32_t window) {
  for (const WindowLayout* w : allLayouts())
    if (w->id == window) return w;
  return nullptr;
}

void registerLayouts(Ui& ui) {
  for (const WindowLayout* w : allLayouts()) ui.addLayout(*w);
}

const ControlState* findControl(const WindowLayout& layout, std::int32_t id) {
  for (const ControlState& c : layout.controls)
    if (c.id == id) return &c;
  return nullptr;
}

ControlRef controlNamed(std::int32_t window, const Text& gbkName) {
  const WindowLayout* w = layoutOf(window);
  if (w == nullptr) return {};
  for (const ControlState& c : w->controls)
    if (c.name == gbkName) return {window, c.id};
  return {};
}

}  // namespace vex::layout
