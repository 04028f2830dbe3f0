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

}  // namespace vex::layout
