// Time of a picker click (add a champion, filter the list, redraw the
// places) and of fillLineupList with its sort, over many runs.
//   bench_views [runs]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

#include "data/game_tables.h"
#include "toolkit/controls/ui.h"
#include "ui/layout/layouts.h"
#include "views/lineup_picker.h"
#include "views/lineup_view.h"

namespace {

using namespace vex;

// <chrono> does not build with GBK narrow literals; the platform clock does.
double nowMs() {
#ifdef _WIN32
  LARGE_INTEGER freq, t;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
#else
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return 1000.0 * static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e6;
#endif
}

class QuietShell : public Shell {
 public:
  void placeWindow(std::int32_t, std::int32_t, int, int) override {}
  void makeLayered(std::int32_t) override {}
  int messageBox(std::int32_t, const Text&, const Text&, unsigned) override { return kMbResultOk; }
  void openUrl(const Text&) override {}
  bool fetchVersionInfo() override { return false; }
  Text latestEdition() const override { return {}; }
  Text updateMarker() const override { return {}; }
};

// Runs `setup` untimed and `step` timed, `runs` times; prints the figures.
void measure(const char* name, int runs, double targetMs, const std::function<void()>& setup,
             const std::function<void()>& step) {
  std::vector<double> ms;
  ms.reserve(static_cast<std::size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    setup();
    const double start = nowMs();
    step();
    ms.push_back(nowMs() - start);
  }
  std::sort(ms.begin(), ms.end());
  const auto at = [&](double q) {
    return ms[static_cast<std::size_t>(q * static_cast<double>(ms.size() - 1))];
  };
  std::printf("%-28s runs %5d  median %7.3f ms  p95 %7.3f ms  max %7.3f ms  target <= %.0f ms  %s\n", name,
              runs, at(0.5), at(0.95), ms.back(), targetMs, at(0.95) <= targetMs ? "ok" : "OVER");
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
  Ui ui;
  layout::registerLayouts(ui);
  GameTables tables;
  loadGameTables(tables);
  QuietShell shell;
  LineupViewState lineup;
  PickerState picker;
  ChartState chart;
  const Views views{ui, shell, tables, lineup, picker, chart};
  bindViewHandlers(views);
  ui.bindCreated(layout::kMainWindow, [&] { startLineupView(views); });
  ui.open(layout::kMainWindow);
  ui.open(layout::kLineupWindow);

  // The first member filters the full list: the costliest click.
  measure(
      "picker click (add, filter)", runs, 2.0, [&] { clearMyLineup(views); },
      [&] { pickChampion(views, 1); });
  measure(
      "fillLineupList with sort", runs, 10.0, [] {}, [&] { fillLineupList(views); });
  return 0;
}
