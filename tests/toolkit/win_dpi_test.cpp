// A window opened on a 144-DPI display (this suite's Wine prefix has
// LogPixels = 144): every box, the font, the pictures, the list's columns
// and pictures, hit testing and the window's placement scale by 1.5, and
// the Ui still reads layout units.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "toolkit/pictures/picture_set_decode.h"
#include "toolkit/system/message_box.h"
#include "win_scale_support.h"

namespace vex {
namespace {

using test::kScaleWin;
using test::pump;

class WinDpiTest : public test::ScaleWindowTest {
 protected:
  void SetUp() override {
    openScaleWindow();
    if (HasFatalFailure()) return;
    ASSERT_EQ(win::windowDpi(window), 144) << "the prefix's display must be at 144 DPI";
  }
};

TEST_F(WinDpiTest, WindowPlacedAndSizedByItsDpiWhileTheUiKeepsLayoutUnits) {
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, 62) << "41 * 1.5 = 61.5, rounded away from zero";
  EXPECT_EQ(outer.top, 77);
  EXPECT_EQ(outer.right - outer.left, 452);
  EXPECT_EQ(outer.bottom - outer.top, 377);
  EXPECT_EQ(ui.windowLeft(kScaleWin), 41);
  EXPECT_EQ(ui.windowTop(kScaleWin), 51);
  test::expectScaledBoxes(ui, backend, 144);

  ui.moveWindow(kScaleWin, 200, 100);
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, 300);
  EXPECT_EQ(outer.top, 150);
  EXPECT_EQ(ui.windowLeft(kScaleWin), 200);
  // A drag ends with the window where the pointer left it.
  SetWindowPos(window, nullptr, 449, 226, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  pump(20);
  EXPECT_EQ(ui.windowLeft(kScaleWin), 299);
  EXPECT_EQ(ui.windowTop(kScaleWin), 151);
}

TEST_F(WinDpiTest, CentredWindowIsCentredAtItsScaledSize) {
  WindowLayout centred;
  centred.id = 0x52000041;
  centred.width = 201;
  centred.height = 81;
  centred.centred = true;
  ui.addLayout(centred);
  ASSERT_TRUE(ui.open(centred.id));
  RECT r;
  GetWindowRect(backend.windowHandle(centred.id), &r);
  EXPECT_EQ(r.right - r.left, 302);
  EXPECT_EQ(r.bottom - r.top, 122);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 302) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 122) / 2);
  EXPECT_EQ(ui.windowLeft(centred.id), MulDiv(r.left, 96, 144));
  EXPECT_EQ(ui.windowTop(centred.id), MulDiv(r.top, 96, 144));
  ui.close(centred.id);
}

TEST_F(WinDpiTest, DragOnTheStripMovesByScreenPixelsAndTheUiReadsLayoutUnits) {
  // On the title label, which lets the mouse through to the strip.
  test::dragInSteps(test::onScreen(window, 60, 15), 4, 15, 9, 30);
  RECT r;
  pump(1000, [&] { return GetWindowRect(window, &r) && r.left == 62 + 60; });
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 62 + 60);
  EXPECT_EQ(r.top, 77 + 36);
  EXPECT_EQ(ui.windowLeft(kScaleWin), 81) << "122 / 1.5";
  EXPECT_EQ(ui.windowTop(kScaleWin), 75) << "113 / 1.5";
  // Fast and in many small steps, the window still follows the pointer.
  test::dragInSteps(test::onScreen(window, 60, 15), 10, 12, 6, 20);
  pump(1000, [&] { return GetWindowRect(window, &r) && r.left == 122 + 120; });
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 122 + 120);
  EXPECT_EQ(r.top, 113 + 60);
  EXPECT_EQ(ui.windowLeft(kScaleWin), 161) << "242 / 1.5";
  EXPECT_EQ(ui.windowTop(kScaleWin), 115) << "173 / 1.5";
}

TEST_F(WinDpiTest, BoxesFollowWritesAtTheWindowsScale) {
  ui.setBounds({kScaleWin, test::kScaleStrip}, 3, 0, 201, 27);
  ui.setBounds({kScaleWin, test::kScaleList}, 1, 119, 200, 101);
  ui.setVisible({kScaleWin, test::kScaleCoin}, false);
  ui.setVisible({kScaleWin, test::kScaleCoin}, true);
  pump(20);
  test::expectScaledBoxes(ui, backend, 144);
  EXPECT_EQ(box(test::kScaleLogo).left, 12) << "(3 + 5) * 1.5";
}

TEST_F(WinDpiTest, FontAndListAtTheWindowsScale) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(list(), WM_GETFONT, 0, 0));
  EXPECT_EQ(test::fontHeight(font), -18) << "12 px characters at 1.5";
  // The tooltip keeps a copy of the font it is given.
  HWND tip = test::ownedTooltip(backend.windowHandle(kScaleWin));
  EXPECT_EQ(test::fontHeight(reinterpret_cast<HFONT>(SendMessageW(tip, WM_GETFONT, 0, 0))), -18);
  EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 600) << "tips wrap at 400 layout units";
  // So does a message box's text, read while the box is up.
  std::atomic<int> boxText{0};
  std::thread reader([&] {
    HWND box = nullptr;
    for (int i = 0; i < 400 && !(box && IsWindowVisible(box)); ++i, Sleep(10))
      box = FindWindowW(L"#32770", L"提示");
    for (HWND c = box ? GetWindow(box, GW_CHILD) : nullptr; c; c = GetWindow(c, GW_HWNDNEXT))
      if ((GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) != SS_ICON && GetWindowTextLengthW(c) == 8)
        boxText = test::fontHeight(reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)));
    if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  win::messageBox(window, "当前已是最新版本", "提示", MB_OK);
  reader.join();
  EXPECT_EQ(boxText.load(), -18);
  EXPECT_EQ(ListView_GetColumnWidth(list(), 0), 62);
  EXPECT_EQ(ListView_GetColumnWidth(list(), 1), 35) << "the picture column";
  EXPECT_EQ(ListView_GetColumnWidth(list(), 2), 47);
  int w = 0, h = 0;
  ImageList_GetIconSize(ListView_GetImageList(list(), LVSIL_SMALL), &w, &h);
  const PictureSetHeader shipped = readPictureSetHeader(assets::listTestChampionIcons.span()).value();
  EXPECT_EQ(w, MulDiv(shipped.cx, 144, 96));
  EXPECT_EQ(h, MulDiv(shipped.cy, 144, 96));
  // Rows grow with the font and the pictures.
  RECT row;
  ASSERT_TRUE(ListView_GetItemRect(list(), 0, &row, LVIR_BOUNDS));
  EXPECT_GE(row.bottom - row.top, h);
}

TEST_F(WinDpiTest, PicturesScaledCrispAndTheKeyOnlyBetweenControls) {
  const test::WindowPixels p = test::screenPixels(window);
  ASSERT_EQ(p.width, 452);
  ASSERT_EQ(p.height, 377);
  // The logo's 16 px stripes at 24 px: only its two greys and, in its keyed
  // corner, the strip beneath; no grey between them, which is the key.
  EXPECT_EQ(test::coloursIn(p, {8, 8, 32, 32}),
            (std::set<COLORREF>{RGB(0x5F, 0x5F, 0x5F), RGB(0x61, 0x61, 0x61), test::kStripFill}));
  // The coin picture, 13 px at 20: one colour, left in the button.
  const RECT coin = box(test::kScaleCoin);
  EXPECT_EQ(p.at(coin.left, (coin.top + coin.bottom) / 2), RGB(0xE0, 0xB0, 0x20));
  EXPECT_EQ(p.at(coin.left + 19, (coin.top + coin.bottom) / 2), RGB(0xE0, 0xB0, 0x20));
  EXPECT_NE(p.at(coin.left + 20, coin.top + 1), RGB(0xE0, 0xB0, 0x20));
  // Right of the strip and between the boxes only the key colour shows.
  EXPECT_EQ(test::coloursIn(p, {302, 0, 452, 40}), (std::set<COLORREF>{test::kScaleKey}));
  EXPECT_EQ(test::coloursIn(p, {0, 177, 452, 179}), (std::set<COLORREF>{test::kScaleKey}));
  // Every painted control is free of it, seams included.
  for (std::int32_t id : {test::kScaleStrip, test::kScaleBody}) {
    const auto colours = test::coloursIn(p, box(id));
    EXPECT_EQ(colours.count(test::kScaleKey), 0u) << "control " << id;
  }
}

TEST_F(WinDpiTest, ClicksHitTheScaledBoxes) {
  int clicks = 0;
  ui.bind({kScaleWin, test::kScaleClose}, Event::Clicked, [&] { ++clicks; });
  // The close button: layout (161, 1) to (200, 26), on screen (242, 2) to (300, 39).
  const RECT close = box(test::kScaleClose);
  EXPECT_EQ(close, (RECT{242, 2, 300, 39}));
  test::postClick(window, {299, 38});
  pump(50);
  EXPECT_EQ(clicks, 1);
  test::postClick(window, {300, 20});
  test::postClick(window, {241, 20});
  pump(50);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace vex
