// What the painted controls show: state colours, pictures and their
// fallback, transparency over what lies beneath, tooltips; progress bars.
#include <gtest/gtest.h>

#include "../support/window_pixels.h"
#include "toolkit/controls/win/win32_backend.h"
#include "toolkit/system/wide_text.h"
#include "win_test_support.h"

namespace vex {
namespace {

using test::control;
using test::pixelAt;
using test::pump;

constexpr std::int32_t kWin = 0x52000010;
constexpr std::int32_t kButton = 1, kRestOnly = 2, kHoverOnly = 3, kKeyed = 4, kBox = 5, kGlass = 6,
                       kPlainLabel = 7, kMarker = 8, kUnder = 9, kBar = 10, kTimer = 11, kBroken = 12,
                       kCentredPic = 13, kStretchedPic = 14, kBigPic = 15, kCoin = 16;

const Colour kBack = rgb(0x606060), kNormalBack = rgb(0x171C25), kHoverBack = rgb(0xFFFFFF),
             kFill = rgb(0x0F2D38), kBlue = rgb(0x0000FF), kYellow = rgb(0xFFFF00), kRed = rgb(0xFF0000);

// A 4 x 4 BMP whose pixels are all fully transparent.
Bytes clearBmp() {
  Bytes b = test::solidBmp(4, 4, 0);
  for (std::size_t i = 54 + 3; i < b.size(); i += 4) b[i] = 0;
  b[54 + 3] = 1;  // one nearly clear pixel, so the alpha counts
  return b;
}

WindowLayout layout() {
  WindowLayout w;
  w.id = kWin;
  w.width = 400;
  w.height = 200;
  w.left = 100;
  w.top = 100;
  w.background = kBack;
  auto button = [](std::int32_t id, int left) {
    ControlState b = control(id, ControlKind::SuperBtn, left, 10, 40, 24);
    b.backColour[kNormal] = kNormalBack;
    b.backColour[kHover] = kHoverBack;
    b.backColour[kPressed] = kNormalBack;
    b.pointer = Pointer::Hand;
    return b;
  };
  ControlState full = button(kButton, 10);
  full.picture = test::solidBmp(8, 8, kBlue);
  full.hoverPicture = test::solidBmp(8, 8, kYellow);
  full.hint = "清空我的阵容";
  ControlState restOnly = button(kRestOnly, 60);
  restOnly.picture = test::solidBmp(8, 8, kBlue);
  ControlState hoverOnly = button(kHoverOnly, 110);
  hoverOnly.hoverPicture = test::solidBmp(8, 8, kYellow);
  ControlState keyed = button(kKeyed, 160);
  keyed.picture = test::solidBmp(8, 8, kRed);
  keyed.pictureKey = kRed;
  ControlState marker = control(kMarker, ControlKind::PicBox, 210, 10, 10, 10);
  marker.picture = clearBmp();
  ControlState under = button(kUnder, 205);  // beneath the marker: listed after it
  ControlState box = control(kBox, ControlKind::ShapeBox, 0, 100, 400, 100);
  box.fill = kFill;
  ControlState glass = control(kGlass, ControlKind::PicBox, 10, 10, 20, 20, kBox);
  glass.picture = clearBmp();
  ControlState label = control(kPlainLabel, ControlKind::Label, 40, 10, 100, 30, kBox);
  label.caption = "标签";
  label.textColour[kNormal] = rgb(0xECECEC);
  ControlState broken = control(kBroken, ControlKind::PicBox, 150, 10, 20, 20, kBox);
  broken.picture = {0x89, 'P', 'N', 'G', 1, 2, 3};
  ControlState centredPic = control(kCentredPic, ControlKind::PicBox, 10, 50, 20, 20, kBox);
  centredPic.picture = test::solidBmp(4, 4, kRed);
  ControlState stretchedPic = centredPic;
  stretchedPic.id = kStretchedPic;
  stretchedPic.left = 40;
  stretchedPic.fit = PictureFit::Stretch;
  ControlState bigPic = control(kBigPic, ControlKind::PicBox, 70, 50, 6, 6, kBox);
  bigPic.picture = test::solidBmp(11, 11, kYellow);
  ControlState coin = control(kCoin, ControlKind::SuperBtn, 260, 10, 24, 12);
  coin.caption = "5";
  coin.picture = test::solidBmp(12, 12, kYellow);
  coin.textColour[kNormal] = rgb(0xECECEC);
  coin.backColour[kNormal] = kFill;
  ControlState bar = control(kBar, ControlKind::ProcessBar, 200, 50, 150, 16, kBox);
  ControlState timer = control(kTimer, ControlKind::Timer, 0, 0, 26, 26);
  timer.visible = false;
  w.controls = {full,   restOnly,   hoverOnly,    keyed,  marker, under, glass, label,
                broken, centredPic, stretchedPic, bigPic, coin,   bar,   box,   timer};
  return w;
}

class WinControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui.addLayout(layout());
    ui.open(kWin);
    test::moveMouseTo(5, 5);  // away from every button
    pump(50);
  }
  void TearDown() override { ui.close(kWin); }
  HWND handle(std::int32_t id) const { return GetDlgItem(backend.windowHandle(kWin), id); }
  HWND window() const { return backend.windowHandle(kWin); }
  // The pixel at (x, y) of a control, as the window shows it.
  COLORREF at(std::int32_t id, int x, int y) const {
    const POINT p = test::inControl(ui, {kWin, id}, x, y);
    return pixelAt(window(), p.x, p.y);
  }
  void hover(std::int32_t id) {
    const POINT c = test::inControl(ui, {kWin, id}, 30, 20);
    const POINT p = test::onScreen(window(), c.x, c.y);
    test::moveMouseTo(p.x, p.y);
    pump(50);
  }

  Ui ui;
  win::Win32Backend backend{ui};
};

TEST_F(WinControlsTest, OnlyTheStockControlsHaveWindowsOfTheirOwn) {
  int children = 0;
  EnumChildWindows(
      window(), [](HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; },
      reinterpret_cast<LPARAM>(&children));
  EXPECT_EQ(children, 1);  // the progress bar
  EXPECT_NE(handle(kBar), nullptr);
  EXPECT_EQ(handle(kButton), nullptr);
  EXPECT_TRUE(GetWindowLongW(window(), GWL_STYLE) & WS_CLIPCHILDREN);
}

// A screenshot tool asking the window to print itself gets what the screen
// shows, the hover look included.
TEST_F(WinControlsTest, WhatTheWindowPrintsIsWhatItShows) {
  hover(kButton);
  const test::WindowPixels drawn = test::printedPixels(window());
  ASSERT_EQ(drawn.width, 400);
  ASSERT_EQ(drawn.height, 200);
  for (auto [x, y] : {std::pair{0, 0}, {11, 11}, {30, 22}, {215, 15}, {20, 120}, {60, 120}, {100, 160}}) {
    SCOPED_TRACE(testing::Message() << x << "," << y);
    EXPECT_EQ(drawn.at(x, y), pixelAt(window(), x, y));
  }
  EXPECT_EQ(drawn.at(11, 11), kHoverBack);
}

TEST_F(WinControlsTest, ButtonShowsRestingThenHoverPictureAndColours) {
  EXPECT_EQ(at(kButton, 1, 1), kNormalBack);
  EXPECT_EQ(at(kButton, 20, 12), kBlue);
  hover(kButton);
  EXPECT_EQ(at(kButton, 1, 1), kHoverBack);
  EXPECT_EQ(at(kButton, 20, 12), kYellow);
  test::moveMouseTo(5, 5);
  // Wine notices the leave on a polling timer.
  pump(1500, [&] { return at(kButton, 1, 1) == kNormalBack; });
  EXPECT_EQ(at(kButton, 1, 1), kNormalBack);
  EXPECT_EQ(at(kButton, 20, 12), kBlue);
}

TEST_F(WinControlsTest, AButtonHiddenUnderThePointerComesBackAtRest) {
  hover(kButton);
  EXPECT_EQ(at(kButton, 20, 12), kYellow);
  ui.setVisible({kWin, kButton}, false);
  test::moveMouseTo(5, 5);
  pump(50);
  ui.setVisible({kWin, kButton}, true);
  EXPECT_EQ(at(kButton, 20, 12), kBlue);
}

TEST_F(WinControlsTest, PressedButtonKeepsTheHoverPicture) {
  test::postMouse(window(), WM_LBUTTONDOWN, test::inControl(ui, {kWin, kButton}, 3, 3));
  pump(30);
  EXPECT_EQ(at(kButton, 20, 12), kYellow);
  EXPECT_EQ(at(kButton, 1, 1), kNormalBack);  // the pressed colour
  test::postMouse(window(), WM_LBUTTONUP, {300, 300});
  pump(30);
  EXPECT_EQ(at(kButton, 20, 12), kBlue);
}

TEST_F(WinControlsTest, AMissingPictureIsStoodInForByTheOther) {
  EXPECT_EQ(at(kRestOnly, 20, 12), kBlue);
  EXPECT_EQ(at(kHoverOnly, 20, 12), kYellow);
  hover(kRestOnly);
  EXPECT_EQ(at(kRestOnly, 20, 12), kBlue);
  hover(kHoverOnly);
  EXPECT_EQ(at(kHoverOnly, 20, 12), kYellow);
}

TEST_F(WinControlsTest, KeyColourOfTheRestingPictureIsSeeThrough) {
  EXPECT_EQ(at(kKeyed, 20, 12), kNormalBack);
  ui.setPictureKey({kWin, kKeyed}, kDefaultColour);
  EXPECT_EQ(at(kKeyed, 20, 12), kRed);
}

// Pictures are decoded once per change; what shows must still follow
// every change, also one made while the button was hidden or disabled.
TEST_F(WinControlsTest, AButtonShowsEachNewPictureAndTheOldOneAgain) {
  const ControlRef ref{kWin, kRestOnly};
  ui.setPicture(ref, test::solidBmp(8, 8, kRed));
  EXPECT_EQ(at(kRestOnly, 20, 12), kRed);
  ui.setPicture(ref, test::solidBmp(8, 8, kRed));
  EXPECT_EQ(at(kRestOnly, 20, 12), kRed);
  ui.setPicture(ref, test::solidBmp(8, 8, kBlue));
  EXPECT_EQ(at(kRestOnly, 20, 12), kBlue);
  ui.setVisible(ref, false);
  ui.setPicture(ref, test::solidBmp(8, 8, kYellow));
  ui.setVisible(ref, true);
  ui.setVisible(ref, true);
  EXPECT_EQ(at(kRestOnly, 20, 12), kYellow);
  ui.setDisabled(ref, true);
  EXPECT_NE(at(kRestOnly, 20, 12), kYellow);
  ui.setDisabled(ref, false);
  EXPECT_EQ(at(kRestOnly, 20, 12), kYellow);
  ui.setPicture(ref, {});
  EXPECT_EQ(at(kRestOnly, 20, 12), kNormalBack);
}

TEST_F(WinControlsTest, TransparentControlsShowWhatLiesBeneathThem) {
  EXPECT_EQ(at(kGlass, 10, 10), kFill);       // the box under a clear picture
  EXPECT_EQ(at(kPlainLabel, 99, 0), kFill);   // a label without back colour
  EXPECT_EQ(at(kMarker, 8, 5), kNormalBack);  // the button under the marker
  EXPECT_EQ(at(kBroken, 5, 5), kFill);        // a picture that does not decode
  // Changing the button beneath repaints the marker above it.
  ui.setBackColour({kWin, kUnder}, kNormal, kRed);
  pump(30);
  EXPECT_EQ(at(kMarker, 8, 5), kRed);
}

TEST_F(WinControlsTest, PicturesDifferingFromTheirBoxAreCentredOrStretched) {
  EXPECT_EQ(at(kCentredPic, 10, 10), kRed);
  EXPECT_EQ(at(kCentredPic, 1, 1), kFill);
  EXPECT_EQ(at(kStretchedPic, 1, 1), kRed);
  EXPECT_EQ(at(kStretchedPic, 19, 19), kRed);
  EXPECT_EQ(at(kBigPic, 0, 0), kYellow);  // a larger one is cut to the box
  EXPECT_EQ(at(kBigPic, 5, 5), kYellow);
}

TEST_F(WinControlsTest, PictureAndCaptionSitSideBySide) {
  EXPECT_EQ(at(kCoin, 1, 6), kYellow);
  EXPECT_EQ(at(kCoin, 11, 6), kYellow);
  int light = 0;  // the caption's pixels, right of the picture only
  for (int x = 12; x < 24; ++x)
    for (int y = 0; y < 12; ++y)
      if (at(kCoin, x, y) != kFill) ++light;
  EXPECT_GT(light, 3);
}

TEST_F(WinControlsTest, ButtonHintBecomesItsTooltip) {
  HWND tip = test::ownedTooltip(backend.windowHandle(kWin));
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  hover(kButton);
  pump(3000, [&] { return IsWindowVisible(tip) != FALSE; });
  EXPECT_TRUE(IsWindowVisible(tip));
  wchar_t text[80] = {};
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = window();
  info.uId = kButton;
  info.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, L"清空我的阵容");
  // A shorter hint after a long one, and back: the texts are copied whole.
  ui.setHint({kWin, kButton}, "阵容核心：铸星龙王、仙灵女巫、无畏先锋、暗裔剑魔、虚空之女");
  ui.setHint({kWin, kButton}, "短");
  SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, L"短");
  ui.setHint({kWin, kButton}, "");
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
  ui.setHint({kWin, kRestOnly}, "1费");
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(WinControlsTest, HandPointerOverAHandButton) {
  hover(kButton);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
  hover(kGlass);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(WinControlsTest, DisabledButtonIsGreyedAndTakesNoHover) {
  ui.setDisabled({kWin, kButton}, true);
  hover(kButton);
  EXPECT_EQ(at(kButton, 1, 1), kNormalBack);
  EXPECT_NE(at(kButton, 20, 12), kBlue);
}

TEST_F(WinControlsTest, ProgressBarFollowsItsState) {
  HWND bar = handle(kBar);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, TRUE, 0), 0);
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 100);
  ui.setProgress({kWin, kBar}, 42);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 42);
  ui.setProgress({kWin, kBar}, 400);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 100);
}

// The toolkit keeps a timer's interval only: no system timer ticks.
TEST_F(WinControlsTest, TimerSetsNoSystemTimer) {
  ui.setTimerInterval({kWin, kTimer}, 10);
  EXPECT_EQ(ui.control({kWin, kTimer}).timerInterval, 10);
  Sleep(60);
  MSG m;
  EXPECT_FALSE(PeekMessageW(&m, window(), WM_TIMER, WM_TIMER, PM_NOREMOVE));
  pump(20);
  EXPECT_TRUE(ui.isOpen(kWin));
}

}  // namespace
}  // namespace vex
