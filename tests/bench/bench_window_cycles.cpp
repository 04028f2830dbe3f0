// The 200 open/close cycles of every secondary window, timed: the same
// cycles as the leak suite (views_wine_window_cycles) with its owners, but
// pumping only what is queued instead of waiting, so the time is the cost of
// opening, drawing and closing.
//   bench_window_cycles.exe [cycles]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/app.h"
#include "ui/layout/window_ids.h"

namespace {

using namespace vex;

double nowMs() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

void drain() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

struct Cycle {
  const char* name;
  std::int32_t window, owner;
};

constexpr Cycle kCycles[] = {
    {"LineupWindow", layout::kLineupWindow, 0},
    {"ItemChartWindow", layout::kItemChartWindow, 0},
    {"HeroListWindow", layout::kHeroListWindow, layout::kLineupWindow},
    {"ItemListWindow", layout::kItemListWindow, layout::kItemChartWindow},
    {"DonateWindow", layout::kDonateWindow, layout::kAboutWindow},
    {"AboutWindow", layout::kAboutWindow, layout::kMainWindow},
};

}  // namespace

int main(int argc, char** argv) {
  const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  App app;
  app.start();
  drain();
  Ui& ui = app.ui();
  ui.open(layout::kItemChartWindow);
  ui.open(layout::kAboutWindow, layout::kMainWindow);
  drain();
  double total = 0;
  for (const Cycle& c : kCycles) {
    if (c.owner && !ui.isOpen(c.owner))
      ui.open(c.owner, c.owner == layout::kAboutWindow ? layout::kMainWindow : 0);
    if (ui.isOpen(c.window)) ui.close(c.window);
    drain();
    auto once = [&] {
      ui.open(c.window, c.owner);
      drain();
      ui.close(c.window);
      drain();
    };
    for (int i = 0; i < 5; ++i) once();  // warm caches
    const double t0 = nowMs();
    for (int i = 0; i < cycles; ++i) once();
    const double ms = nowMs() - t0;
    total += ms;
    std::printf("cycles_%s_ms\t%.0f\t%d cycles, %.2f ms each\n", c.name, ms, cycles, ms / cycles);
  }
  std::printf("cycles_all_ms\t%.0f\t%d cycles of each of %zu windows\n", total, cycles, std::size(kCycles));
  app.exitSteps();
  return 0;
}
