// Click to settled screen, black-box under Wine: the program runs in its own
// process; a left click is injected with SendInput at the control's screen
// position (its window's place on screen plus its bounds from the layout
// tables), and the window's rectangle of the screen is read back from X
// (BitBlt from the desktop DC) until it has stopped changing. The figure is
// the time from the injection to the last change, with the number of
// distinct pictures on the way (1: the click arrived in one frame).
//   bench_screen_clicks.exe <vexbox.exe> <floor.exe> [clicks]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../support/layout_lookup.h"
#include "blackbox.h"
#include "ui/layout/layouts.h"

namespace {

using namespace vex;
using namespace vex::bench;

// Far from every window, so that each click starts from a pointer at rest.
constexpr POINT kParking{1200, 1000};
// What is read back of MainWindow and LineupWindow: their top 542 × 150,
// the title strip and the panel a click there changes (LineupWindow's list
// below stays as it is).
constexpr RECT kPanel{0, 0, 542, 150};

// A control's rectangle inside its window, its parents' offsets added up.
RECT boundsInWindow(const WindowLayout& layout, std::int32_t id) {
  const ControlState* c = layout::findControl(layout, id);
  if (!c) return {};
  RECT r{0, 0, c->width, c->height};
  for (int depth = 0; c && depth < 16; ++depth) {
    OffsetRect(&r, c->left, c->top);
    c = c->parent ? layout::findControl(layout, c->parent) : nullptr;
  }
  return r;
}

POINT centreOnScreen(HWND window, const RECT& r) {
  return clientToScreen(window, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

struct Figure {
  double ms = -1;
  int steps = 0;
  int lost = 0;       // clicks after which nothing changed on screen
  double readMs = 0;  // one read of the area
};

// Clicks `points` in turn (each click changes what the next one undoes),
// the first round unmeasured; `area` (in the window) is what is read back.
Figure clickRun(HWND window, RECT area, const std::vector<POINT>& points, int clicks) {
  const POINT origin = clientToScreen(window, 0, 0);
  OffsetRect(&area, origin.x, origin.y);
  ScreenReader screen(area);
  std::vector<double> ms, steps;
  Figure f;
  const int warm = static_cast<int>(points.size());
  for (int i = -warm; i < clicks; ++i) {
    sendMouse(MOUSEEVENTF_MOVE, points[static_cast<std::size_t>(i + warm) % points.size()]);
    waitQuiet(screen, 100, 350);  // the hover look, before any tooltip is due
    screen.read();
    const double t0 = nowMs();
    sendClick();
    const Settled s = waitSettled(screen, t0);
    sendMouse(MOUSEEVENTF_MOVE, kParking);
    waitQuiet(screen, 150, 1500);
    if (i < 0) continue;
    if (s.lastChangeMs < 0) {
      ++f.lost;
      continue;
    }
    ms.push_back(s.lastChangeMs);
    steps.push_back(s.changes);
  }
  f.ms = median(ms);
  f.steps = static_cast<int>(median(steps));
  f.readMs = screen.readMs();
  return f;
}

void print(const char* key, const Figure& f, const Figure& floor) {
  std::printf("%s\t%.1f\tfloor %.1f\t%.1fx the floor (target <= 1.5x); %d step(s); one read %.1f ms%s\n", key,
              f.ms, floor.ms, floor.ms > 0 ? f.ms / floor.ms : 0.0, f.steps, f.readMs,
              f.lost ? ", some clicks changed nothing" : "");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_screen_clicks vexbox.exe floor.exe [clicks]\n");
    return 2;
  }
  const int clicks = argc > 3 ? std::max(2, _wtoi(argv[3])) : 10;
  sendMouse(MOUSEEVENTF_MOVE, kParking);

  // The floor: a box in each popup, the one-buffer repaint.
  Figure floorLineup, floorMain;
  {
    Started floor(argv[2]);
    HWND lineup = floor.ok() ? waitReady(floor, 542, 380) : nullptr;
    HWND main = floor.ok() ? windowOfSize(floor.pid(), 542, 150) : nullptr;
    if (!lineup || !main) {
      std::printf("the floor did not get ready within 20 s\n");
      return 1;
    }
    Sleep(500);
    // A keyed hole of the floor's MainWindow: X shows what lies beneath, a
    // read of the program's own pixels would give the key colour.
    ScreenReader probe({0, 0, 542, 150});
    probe.read();
    std::printf("screen read from %s\n", probe.pixel(500, 10) == 0x606060
                                             ? "window pixels (key colour in a hole)"
                                             : "X (keyed holes show beneath)");
    floorLineup = clickRun(
        lineup, kPanel, {centreOnScreen(lineup, {14, 35, 38, 47}), centreOnScreen(lineup, {50, 35, 74, 47})},
        clicks);
    floorMain =
        clickRun(main, kPanel,
                 {centreOnScreen(main, {0, 36, 47, 83}), centreOnScreen(main, {55, 36, 102, 83})}, clicks);
  }
  print("floor_click_lineup_panel_ms", floorLineup, floorLineup);
  print("floor_click_main_window_ms", floorMain, floorMain);

  Started vex(argv[1]);
  HWND lineup = vex.ok() ? waitReady(vex, 542, 380) : nullptr;
  HWND main = vex.ok() ? windowOfSize(vex.pid(), 542, 150) : nullptr;
  if (!lineup || !main) {
    std::printf("vexbox did not get ready within 20 s\n");
    return 1;
  }
  Sleep(1000);
  namespace lw = layout::lineup_window;
  namespace mw = layout::main_window;
  namespace ic = layout::item_chart_window;
  const WindowLayout& lineupLayout = layout::lineupWindowLayout();
  const WindowLayout& mainLayout = layout::mainWindowLayout();
  const Figure cost = clickRun(lineup, kPanel,
                               {centreOnScreen(lineup, boundsInWindow(lineupLayout, lw::花费列表按钮2)),
                                centreOnScreen(lineup, boundsInWindow(lineupLayout, lw::花费列表按钮1))},
                               clicks);
  const Figure champion = clickRun(main, kPanel,
                                   {centreOnScreen(main, boundsInWindow(mainLayout, mw::英雄按钮2)),
                                    centreOnScreen(main, boundsInWindow(mainLayout, mw::英雄按钮1))},
                                   clicks);

  // The chart opens from MainWindow's menu, as the player opens it.
  sendMouse(MOUSEEVENTF_MOVE, centreOnScreen(main, boundsInWindow(mainLayout, mw::装备图菜单按钮)));
  Sleep(100);
  sendClick();
  const WindowLayout& chartLayout = layout::itemChartWindowLayout();
  HWND chart = nullptr;
  for (double t0 = nowMs(); !chart && nowMs() - t0 < 10000; Sleep(10))
    chart = windowOfSize(vex.pid(), chartLayout.width, chartLayout.height);
  if (!chart) {
    std::printf("the item chart did not open within 10 s\n");
    return 1;
  }
  sendMouse(MOUSEEVENTF_MOVE, kParking);
  Sleep(1000);
  const Figure corner =
      clickRun(chart, {0, 0, chartLayout.width, chartLayout.height},
               {centreOnScreen(chart, boundsInWindow(chartLayout, ic::chartCellId(1)))}, clicks);

  print("click_settled_cost_button_ms", cost, floorLineup);
  print("click_settled_champion_ms", champion, floorMain);
  print("click_settled_chart_corner_ms", corner, floorLineup);
  return 0;
}
