// The program's own windows on a 144-DPI display, started as at a real
// start: MainWindow and the lineup picker below it, from the shipped layout
// tables, scaled by 1.5 at the native boundary and keyed as at 96 DPI.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <oleacc.h>

#include <memory>

#include "app/app.h"
#include "ui/layout/window_ids.h"
#include "win_scale_support.h"

namespace vex {
namespace {

using test::pump;

class WinDpiAppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<App>();
    app->start();
    pump(300);
    main = window(layout::kMainWindow);
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(win::windowDpi(main), 144) << "the prefix's display must be at 144 DPI";
  }
  void TearDown() override {
    app->exitSteps();
    app.reset();
    pump(50);
  }
  HWND window(std::int32_t id) const { return static_cast<HWND>(app->ui().nativeHandle(id)); }

  std::unique_ptr<App> app;
  HWND main = nullptr;
};

TEST_F(WinDpiAppTest, MainWindowIs813By225AndTheLineupOpens240PixelsBelow) {
  RECT client, outer, lineup;
  GetClientRect(main, &client);
  GetWindowRect(main, &outer);
  EXPECT_EQ(client.right, 813);
  EXPECT_EQ(client.bottom, 225);
  EXPECT_EQ(outer.right - outer.left, 813);
  HWND picker = window(layout::kLineupWindow);
  ASSERT_NE(picker, nullptr);
  GetWindowRect(picker, &lineup);
  EXPECT_EQ(lineup.left, outer.left);
  EXPECT_EQ(lineup.top, outer.top + 240);
  // The views placed it at +160 in layout units and read those back.
  EXPECT_EQ(app->ui().windowTop(layout::kLineupWindow), app->ui().windowTop(layout::kMainWindow) + 160);
}

// A screen reader is told each control's layout box scaled by 1.5, in
// screen pixels; the child windows lie there too.
TEST_F(WinDpiAppTest, EveryControlsBoxIsItsLayoutBoxScaledByOneAndAHalf) {
  int checked = 0;
  for (std::int32_t id : {layout::kMainWindow, layout::kLineupWindow}) {
    const WindowState* w = app->ui().window(id);
    ASSERT_NE(w, nullptr);
    for (const ControlState& c : w->controls) {
      if (c.kind == ControlKind::Timer) continue;
      const ControlRef ref{id, c.id};
      const RECT want = test::scaledBox(app->ui(), ref, 144);
      EXPECT_EQ(test::readerBox(window(id), app->ui().indexOf(ref) + 1), want)
          << "told of control " << c.id << " of window " << id;
      if (HWND child = GetDlgItem(window(id), ref.control)) {
        EXPECT_EQ(test::childRect(child), want);
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 40);
}

// A reader still holding a closed window's object gets errors, never the
// freed window.
TEST_F(WinDpiAppTest, AClosedWindowsReaderObjectAnswersWithErrors) {
  IAccessible* reader = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(window(layout::kLineupWindow), static_cast<DWORD>(OBJID_CLIENT),
                                       IID_IAccessible, reinterpret_cast<void**>(&reader)),
            S_OK);
  LONG count = 0;
  EXPECT_EQ(reader->get_accChildCount(&count), S_OK);
  app->ui().close(layout::kLineupWindow);
  pump(100);
  ASSERT_FALSE(app->ui().isOpen(layout::kLineupWindow));
  EXPECT_TRUE(FAILED(reader->get_accChildCount(&count)));
  VARIANT first{};
  first.vt = VT_I4;
  first.lVal = 1;
  LONG x, y, width, height;
  EXPECT_TRUE(FAILED(reader->accLocation(&x, &y, &width, &height, first)));
  EXPECT_TRUE(FAILED(reader->accDoDefaultAction(first)));
  reader->Release();
}

TEST_F(WinDpiAppTest, FontIs18PixelsHigh) {
  EXPECT_EQ(test::fontHeight(app->backend().font(144)), -18);
  const WindowState* w = app->ui().window(layout::kLineupWindow);
  ASSERT_NE(w, nullptr);
  int lists = 0;
  for (const ControlState& c : w->controls) {
    if (c.kind != ControlKind::ListView) continue;
    HWND list = GetDlgItem(app->backend().windowHandle(layout::kLineupWindow), c.id);
    EXPECT_EQ(test::fontHeight(reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0))), -18);
    ++lists;
  }
  EXPECT_EQ(lists, 1);
}

TEST_F(WinDpiAppTest, TheKeyColourStillShowsOnlyBetweenControls) {
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(main, &key, &alpha, &flags));
  EXPECT_EQ(key, 0x606060u);
  EXPECT_TRUE(flags & LWA_COLORKEY);
  const test::WindowPixels p = test::screenPixels(main);
  ASSERT_EQ(p.width, 813);
  ASSERT_EQ(p.height, 225);
  // Right of the 381 px title strip, above the champion row (layout 460, 12).
  EXPECT_EQ(p.at(690, 18), RGB(0x60, 0x60, 0x60));
  // The strip itself, to its last scaled column (381 * 1.5 = 571.5 -> 572).
  EXPECT_EQ(p.at(3, 36), RGB(0x17, 0x1C, 0x25));
  EXPECT_EQ(test::coloursIn(p, {0, 30, 571, 38}).count(RGB(0x60, 0x60, 0x60)), 0u);
}

}  // namespace
}  // namespace vex
