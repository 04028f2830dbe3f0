// Opening and closing a window with every kind of control, many times,
// leaves no GDI or USER object and no memory behind.
#include <gtest/gtest.h>
#include <windows.h>

#include "../support/process_counts.h"
#include "toolkit/controls/win/win32_backend.h"
#include "win_test_support.h"

namespace vex {
namespace {

using test::control;
using test::pump;

constexpr std::int32_t kWin = 0x52000030, kOwned = 0x52000031;

using Counts = test::ProcessCounts;

Counts measure() { return test::measureProcess(); }

WindowLayout everyKind(std::int32_t id) {
  WindowLayout w;
  w.id = id;
  w.width = 400;
  w.height = 300;
  w.left = 30;
  w.top = 30;
  w.background = rgb(0x606060);
  w.dragControl = 1;
  ControlState strip = control(1, ControlKind::ShapeBox, 0, 0, 200, 26);
  strip.fill = rgb(0x171C25);
  ControlState logo = control(2, ControlKind::PicBox, 5, 5, 16, 16, 1);
  logo.picture = test::solidBmp(16, 16, rgb(0x00FF00));
  ControlState title = control(3, ControlKind::Label, 22, 1, 100, 24, 1);
  title.caption = "阵容";
  title.backColour[kNormal] = rgb(0x171C25);
  ControlState button = control(4, ControlKind::SuperBtn, 160, 1, 40, 24, 1);
  button.picture = test::solidBmp(40, 24, rgb(0x171C25));
  button.hoverPicture = test::solidBmp(40, 24, rgb(0xFF0000));
  button.hint = "关闭";
  button.pointer = Pointer::Hand;
  ControlState list = control(5, ControlKind::ListView, 0, 30, 400, 200);
  list.list.columns = {{"评级", 40, Align::Left}, {"", 22, Align::Centre}};
  ControlState bar = control(6, ControlKind::ProcessBar, 10, 240, 300, 16);
  ControlState timer = control(7, ControlKind::Timer, 0, 0, 26, 26);
  timer.timerInterval = 50;
  w.controls = {logo, title, button, strip, list, bar, timer};
  return w;
}

class WinLeakTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui.addLayout(everyKind(kWin));
    ui.addLayout(everyKind(kOwned));
  }
  void cycle() {
    ui.open(kWin);
    ui.open(kOwned, kWin);
    const ControlRef list{kWin, 5};
    for (int r = 0; r < 20; ++r) {
      const int row = ui.listAppendRow(list);
      ui.listSetCell(list, row, 0, "T1");
      ui.listSetCellImage(list, row, 1, r % 3);
    }
    ui.setPicture({kWin, 2}, test::solidBmp(16, 16, rgb(0x0000FF)));
    ui.setHint({kWin, 4}, "换一个提示");
    ui.setProgress({kWin, 6}, 50);
    pump(5);
    ui.close(kWin);  // closes the owned window first
    pump(5);
  }

  Ui ui;
  win::Win32Backend backend{ui};
};

TEST_F(WinLeakTest, TheCountersSeeALeak) {
  const Counts before = measure();
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < 20; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 1, 2)));
  std::vector<std::uint8_t> block(2 * 1024 * 1024, 1);
  const Counts during = measure();
  for (HBRUSH b : brushes) DeleteObject(b);
  if (before.gdi) {
    EXPECT_GE(during.gdi, before.gdi + 20);
  }
  EXPECT_GE(during.gdiTable, before.gdiTable + 20);
  EXPECT_GE(during.heapBytes + block[0] - 1, before.heapBytes + block.size());
}

// Window DCs: Wine keeps the most ever held at once for reuse (which the
// soak's plateau leaves out), while each one never released adds one.
TEST_F(WinLeakTest, TheCountersTellKeptWindowDcsFromLeakedOnes) {
  ui.open(kWin);
  pump(5);
  HWND window = static_cast<HWND>(ui.nativeHandle(kWin));
  auto holdAtOnce = [&](int n) {
    std::vector<HDC> held;
    for (int i = 0; i < n; ++i) held.push_back(GetDC(window));
    return held;
  };
  auto giveBack = [&](const std::vector<HDC>& held) {
    for (HDC dc : held) ReleaseDC(window, dc);
  };
  giveBack(holdAtOnce(12));
  const Counts kept = measure();
  EXPECT_GE(kept.windowDcs, 12u);
  giveBack(holdAtOnce(12));
  const Counts again = measure();
  EXPECT_EQ(again.windowDcs, kept.windowDcs);
  EXPECT_EQ(again.gdiTable, kept.gdiTable);
  // Twenty never given back: at most twelve of them come from the kept ones.
  const std::vector<HDC> leaked = holdAtOnce(20);
  const Counts leaking = measure();
  giveBack(leaked);
  EXPECT_GE(leaking.windowDcs, kept.windowDcs + 8);
  EXPECT_GE(leaking.gdiTable, kept.gdiTable + 8);
  ui.close(kWin);
}

TEST_F(WinLeakTest, TwoHundredOpenAndCloseCyclesLeaveNothingBehind) {
  for (int i = 0; i < 10; ++i) cycle();  // first-use allocations settle here
  const Counts before = measure();
  for (int i = 0; i < 200; ++i) cycle();
  const Counts after = measure();
  std::printf(
      "GDI %lu -> %lu (table %zu -> %zu), USER %lu -> %lu, private %zu -> %zu KiB, "
      "heaps %zu -> %zu KiB, windows %d -> %d\n",
      before.gdi, after.gdi, before.gdiTable, after.gdiTable, before.user, after.user,
      before.privateBytes / 1024, after.privateBytes / 1024, before.heapBytes / 1024, after.heapBytes / 1024,
      before.windows, after.windows);
  // Each window owns a fixed set of objects (its back buffer, brush,
  // tooltip): once closed, the counts are back where they were exactly.
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.gdiTable, before.gdiTable);
  EXPECT_EQ(after.user, before.user);
  EXPECT_EQ(after.windows, before.windows);
  // 200 cycles that each leaked even one small bitmap would pass a megabyte.
  EXPECT_LT(after.privateBytes, before.privateBytes + 1024 * 1024);
  EXPECT_LT(after.heapBytes, before.heapBytes + 1024 * 1024);
  EXPECT_FALSE(ui.isOpen(kWin));
  EXPECT_FALSE(ui.isOpen(kOwned));
}

}  // namespace
}  // namespace vex
