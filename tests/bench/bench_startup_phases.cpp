// Where start-up time goes, inside the process: the whole start, then its
// biggest parts again on their own.
#include <windows.h>

#include <cstdio>
#include <tuple>

#include "app/app.h"
#include "data/game_tables.h"
#include "ui/layout/window_ids.h"

namespace {

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

}  // namespace

int main() {
  using namespace vex;
  double t = nowMs();
  App app;
  app.start();
  drain();
  std::printf("whole start (entry to both windows drawn): %.1f ms\n", nowMs() - t);

  GameTables tables;
  t = nowMs();
  loadGameTables(tables);
  std::printf("loadGameTables: %.1f ms\n", nowMs() - t);

  app.ui().close(layout::kLineupWindow);
  drain();
  t = nowMs();
  app.ui().open(layout::kLineupWindow);
  drain();
  std::printf("open LineupWindow and draw it: %.1f ms\n", nowMs() - t);

  app.ui().close(layout::kLineupWindow);
  app.ui().open(layout::kItemChartWindow);
  drain();
  app.ui().close(layout::kItemChartWindow);
  drain();
  t = nowMs();
  app.ui().open(layout::kItemChartWindow);
  drain();
  std::printf("open ItemChartWindow and draw it: %.1f ms\n", nowMs() - t);
  for (auto [name, id, owner] :
       {std::tuple{"DonateWindow (8 controls)", layout::kDonateWindow, layout::kMainWindow},
        std::tuple{"HeroListWindow (5 controls, 51 rows)", layout::kHeroListWindow, layout::kMainWindow}}) {
    t = nowMs();
    app.ui().open(id, owner);
    drain();
    std::printf("open %s and draw it: %.1f ms\n", name, nowMs() - t);
  }
  app.exitSteps();
  return 0;
}
