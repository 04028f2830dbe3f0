// Clicks on the real windows, drawn: the whole program runs in this process
// under Wine, each click is sent as the message loop would deliver it to
// whatever window lies at the control's position (its own child window, or
// the top-level window that draws it), and the time includes repainting
// what changed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "../support/layout_lookup.h"
#include "app/app.h"
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

// The control's centre, from the toolkit's state: no window handle of the
// control is needed, so this works whether or not controls have their own.
void click(Ui& ui, ControlRef ref) {
  const auto [x, y] = ui.windowPosition(ref);
  const ControlState& c = ui.control(ref);
  POINT at{x + c.width / 2, y + c.height / 2};
  ClientToScreen(static_cast<HWND>(ui.nativeHandle(ref.window)), &at);
  HWND target = WindowFromPoint(at);
  ScreenToClient(target, &at);
  const LPARAM where = MAKELPARAM(at.x, at.y);
  SendMessageW(target, WM_MOUSEMOVE, 0, where);
  SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, where);
  SendMessageW(target, WM_LBUTTONUP, 0, where);
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
  std::printf("%-34s runs %4d  median %7.3f ms  p95 %7.3f ms  target <= %.0f ms  %s\n", name, runs, median,
              p95, targetMs, p95 <= targetMs ? "ok" : "OVER");
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 100;
  App app;
  app.start();
  drain();
  Ui& ui = app.ui();
  namespace lw = layout::lineup_window;
  namespace mw = layout::main_window;
  const ControlRef pick{layout::kLineupWindow, lw::pickerButtonId(1)};
  const ControlRef clear{layout::kLineupWindow, lw::清空按钮};
  const ControlRef cost1{layout::kLineupWindow, lw::花费列表按钮1},
      cost2{layout::kLineupWindow, lw::花费列表按钮2};
  const ControlRef hero1{layout::kMainWindow, mw::英雄按钮1}, hero2{layout::kMainWindow, mw::英雄按钮2};
  auto lineup = [&] { return static_cast<HWND>(ui.nativeHandle(layout::kLineupWindow)); };
  auto main = [&] { return static_cast<HWND>(ui.nativeHandle(layout::kMainWindow)); };

  measure(
      "picker click (add, filter, draw)", runs, 2.0, lineup(), [&] { click(ui, clear); },
      [&] { click(ui, pick); });
  measure(
      "clear: fillLineupList, sort, draw", runs, 10.0, lineup(), [&] { click(ui, pick); },
      [&] { click(ui, clear); });
  measure(
      "cost button click, draw", runs, 2.0, lineup(), [&] { click(ui, cost1); }, [&] { click(ui, cost2); });
  measure(
      "champion click in MainWindow, draw", runs, 2.0, main(), [&] { click(ui, hero1); },
      [&] { click(ui, hero2); });

  ui.open(layout::kItemChartWindow);
  drain();
  HWND chart = static_cast<HWND>(ui.nativeHandle(layout::kItemChartWindow));
  const ControlRef corner{layout::kItemChartWindow, layout::item_chart_window::chartCellId(1)};
  measure(
      "chart corner click, redraw", runs, 2.0, chart, [] {}, [&] { click(ui, corner); });
  app.exitSteps();
  return 0;
}
