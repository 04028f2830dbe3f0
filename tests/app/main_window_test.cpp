#include <gtest/gtest.h>

#include "../views/native_probe.h"
#include "app/make_layered.h"

namespace vex::test {
namespace {

namespace mw = layout::main_window;

TEST(MainWindow, FramelessTopmostOfItsClientSize) {
  RunningApp run;
  HWND main = run.window(layout::kMainWindow);
  ASSERT_NE(main, nullptr);
  RECT client, outer;
  GetClientRect(main, &client);
  GetWindowRect(main, &outer);
  EXPECT_EQ(client.right, 542);
  EXPECT_EQ(client.bottom, 150);
  EXPECT_EQ(outer.right - outer.left, 542) << "no frame adds to the size";
  EXPECT_EQ(outer.bottom - outer.top, 150);
  const LONG style = GetWindowLongA(main, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  // makeLayered leaves WS_EX_LAYERED alone; topmost is a window state that
  // SetWindowLong cannot clear, and it must stay.
  const LONG ex = GetWindowLongA(main, GWL_EXSTYLE);
  EXPECT_EQ(ex & ~WS_EX_TOPMOST, WS_EX_LAYERED);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
}

TEST(MainWindow, TitleCarriesTheVersion) {
  RunningApp run;
  EXPECT_EQ(run.ui().control({layout::kMainWindow, mw::标签2}).caption, "Vexbox(阵匣)V2.1");
  EXPECT_EQ(wide(run.ui().control({layout::kMainWindow, mw::标签2}).caption), L"Vexbox(\u9635\u5323)V2.1");
}

TEST(MainWindow, KeyedWithItsBackgroundColour) {
  RunningApp run;
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(run.window(layout::kMainWindow), &key, &alpha, &flags));
  EXPECT_EQ(key, 0x606060u);
  EXPECT_EQ(alpha, 255);
  EXPECT_EQ(flags, 3u);
}

TEST(MakeLayered, BlackKeyMeansAlphaOnlyAndOtherStylesGo) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VexLayeredProbe";
  RegisterClassW(&wc);
  HWND h = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_APPWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 50, 50,
                           nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(h, nullptr);
  makeLayered(h, 255, 0);
  EXPECT_EQ(GetWindowLongA(h, GWL_EXSTYLE), WS_EX_LAYERED);
  COLORREF key = 1;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(h, &key, &alpha, &flags));
  EXPECT_EQ(flags, 2u);
  EXPECT_EQ(alpha, 255);
  makeLayered(h, 0, 0x606060);
  GetLayeredWindowAttributes(h, &key, &alpha, &flags);
  EXPECT_EQ(flags, 1u);
  DestroyWindow(h);
}

TEST(MainWindow, LineupWindowOpensDirectlyBelow) {
  RunningApp run;
  RECT main, lineup;
  GetWindowRect(run.window(layout::kMainWindow), &main);
  ASSERT_NE(run.window(layout::kLineupWindow), nullptr);
  GetWindowRect(run.window(layout::kLineupWindow), &lineup);
  EXPECT_EQ(lineup.left, main.left);
  EXPECT_EQ(lineup.top, main.top + 160);
}

TEST(MainWindow, MenuButtonsOpenTheirWindowsOnce) {
  RunningApp run;
  click(run, {layout::kMainWindow, mw::装备图菜单按钮}, 200);
  EXPECT_TRUE(run.ui().isOpen(layout::kItemChartWindow));
  click(run, {layout::kMainWindow, mw::关于菜单按钮}, 300);
  ASSERT_TRUE(run.ui().isOpen(layout::kAboutWindow));
  EXPECT_EQ(GetWindow(run.window(layout::kAboutWindow), GW_OWNER), run.window(layout::kMainWindow));
  HWND chart = run.window(layout::kItemChartWindow);
  click(run, {layout::kMainWindow, mw::装备图菜单按钮}, 200);
  EXPECT_EQ(run.window(layout::kItemChartWindow), chart) << "a second click keeps the one window";
}

TEST(MainWindow, MinimiseButtonMinimises) {
  RunningApp run;
  click(run, {layout::kMainWindow, mw::最小化按钮}, 300);
  EXPECT_TRUE(IsIconic(run.window(layout::kMainWindow)));
}

TEST(MainWindow, CloseButtonEndsTheLoopWithCodeZeroAfterTheExitSteps) {
  RunningApp run;
  ASSERT_GT(run.app().state().tables.champions.names.count(), 1);
  click(run, {layout::kMainWindow, mw::关闭按钮}, 0);
  int code = -1;
  bool running = pump(2000, &code);
  ASSERT_FALSE(running) << "closing MainWindow must end the message loop";
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(run.ui().isOpen(layout::kMainWindow));
  run.app().exitSteps();
  EXPECT_EQ(run.app().state().tables.champions.names.count(), 1) << "tables released to placeholders";
}

TEST(MainWindow, ClosingTheLineupWindowKeepsTheProgram) {
  RunningApp run;
  namespace lw = layout::lineup_window;
  click(run, {layout::kLineupWindow, lw::关闭按钮}, 0);
  EXPECT_TRUE(pump(300));
  EXPECT_FALSE(run.ui().isOpen(layout::kLineupWindow));
  // Move MainWindow, then reopen: the picker comes back directly below it.
  // Under a window manager the first activation maps MainWindow again and
  // may put it back where it was first shown, and the click made then may
  // be lost: the test clicks again as a user would, and measures "below"
  // from where MainWindow is.
  run.ui().moveWindow(layout::kMainWindow, 40, 70);
  pump(300);
  for (int tries = 0; tries < 3 && !run.ui().isOpen(layout::kLineupWindow); ++tries)
    click(run, {layout::kMainWindow, mw::阵容菜单按钮}, 300);
  ASSERT_TRUE(run.ui().isOpen(layout::kLineupWindow));
  RECT main, lineup;
  GetWindowRect(run.window(layout::kMainWindow), &main);
  GetWindowRect(run.window(layout::kLineupWindow), &lineup);
  EXPECT_EQ(lineup.left, main.left);
  EXPECT_EQ(lineup.top, main.top + 160);
}

}  // namespace
}  // namespace vex::test
