// Clicks on the real windows, drawn: the whole program runs in this process
// under Wine, each click is sent to the control's window as the message loop
// would deliver it, and the time includes repainting what changed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/app.h"
#include "toolkit/controls/win/win32_backend.h"
#include "ui/layout/window_ids.h"

namespace {

using namespace vex;

double nowMs() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

void drain() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void click(HWND control) {
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void measure(const char* name, int runs, double targetMs, HWND repaint, const std::function<void()>& setup,
             const std::function<void()>& action) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    setup();
    drain();
    const double start = nowMs();
    action();
    drain();  // the list views catch up through a posted message
    RedrawWindow(repaint, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ms.push_back(nowMs() - start);
  }
  std::sort(ms.begin(), ms.end());
  const double median = ms[ms.size() / 2], p95 = ms[ms.size() * 95 / 100];
  std::printf("%-34s runs %4d  median %7.3f ms  p95 %7.3f ms  target <= %.0f ms  %s\n", name, runs, median, p95,
              targetMs, p95 <= targetMs ? "ok" : "OVER");
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 100;
  App app;
  app.start();
  drain();
  auto& backend = app.backend();
  namespace lw = layout::lineup_window;
  HWND lineup = backend.windowHandle(layout::kLineupWindow);
  HWND pick = backend.controlHandle({layout::kLineupWindow, lw::pickerButtonId(1)});
  HWND clear = backend.controlHandle({layout::kLineupWindow, lw::清空按钮});

  measure("picker click (add, filter, draw)", runs, 2.0, lineup, [&] { click(clear); }, [&] { click(pick); });
  measure("clear: fillLineupList, sort, draw", runs, 10.0, lineup, [&] { click(pick); }, [&] { click(clear); });

  app.ui().open(layout::kItemChartWindow);
  drain();
  HWND chart = backend.windowHandle(layout::kItemChartWindow);
  HWND corner = backend.controlHandle({layout::kItemChartWindow, layout::item_chart_window::chartCellId(1)});
  measure("chart corner click, redraw", runs, 10.0, chart, [] {}, [&] { click(corner); });
  app.exitSteps();
  return 0;
}
