// The native windows: frame, placement, control positions, texts, input.
#include <gtest/gtest.h>

#include "toolkit/controls/win/win32_backend.h"
#include "toolkit/system/wide_text.h"
#include "win_test_support.h"

namespace vex {
namespace {

using test::control;
using test::pump;

constexpr std::int32_t kWin = 0x52000001, kCentred = 0x52000002;
constexpr std::int32_t kStrip = 1, kLogo = 2, kTitle = 3, kClose = 4, kBody = 5, kButton = 6, kNote = 7;

WindowLayout stripLayout() {
  WindowLayout w;
  w.id = kWin;
  w.caption = "阵容";
  w.width = 300;
  w.height = 120;
  w.left = 40;
  w.top = 50;
  w.background = rgb(0x606060);
  w.dragControl = kStrip;
  // Children listed before their box, as the real tables do.
  ControlState logo = control(kLogo, ControlKind::PicBox, 5, 5, 16, 16, kStrip);
  logo.picture = test::solidBmp(16, 16, rgb(0x00FF00));
  ControlState title = control(kTitle, ControlKind::Label, 22, 1, 100, 24, kStrip);
  title.caption = "Vexbox(阵匣)";
  title.textColour[kNormal] = rgb(0xECECEC);
  title.backColour[kNormal] = rgb(0x171C25);
  ControlState close = control(kClose, ControlKind::SuperBtn, 160, 1, 40, 24, kStrip);
  close.caption = "关闭";
  close.hint = "关闭窗口";  // its tooltip subclass sees the window go
  close.pointer = Pointer::Hand;
  ControlState strip = control(kStrip, ControlKind::ShapeBox, 0, 0, 201, 26);
  strip.fill = rgb(0x171C25);
  ControlState body = control(kBody, ControlKind::ShapeBox, 0, 26, 300, 94);
  body.fill = rgb(0x0F2D38);
  ControlState button = control(kButton, ControlKind::SuperBtn, 30, 20, 60, 30, kBody);
  button.caption = "清空";
  button.textColour[kNormal] = rgb(0xECECEC);
  button.backColour[kNormal] = rgb(0x171C25);
  ControlState note = control(kNote, ControlKind::Label, 100, 20, 150, 40, kBody);
  note.caption = "第一行\r\n第二行";
  w.controls = {logo, title, close, strip, body, button, note};
  return w;
}

class WinWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui.addLayout(stripLayout());
    WindowLayout centred;
    centred.id = kCentred;
    centred.width = 200;
    centred.height = 80;
    centred.centred = true;
    ui.addLayout(centred);
  }
  void TearDown() override {
    ui.close(kWin);
    ui.close(kCentred);
    pump(20);
  }
  HWND window() const { return backend.windowHandle(kWin); }
  // A point inside a control, in the window's client area and on screen.
  POINT in(std::int32_t c, int x = 5, int y = 5) const { return test::inControl(ui, {kWin, c}, x, y); }
  POINT onScreen(std::int32_t c, int x, int y) const {
    const POINT p = in(c, x, y);
    return test::onScreen(window(), p.x, p.y);
  }
  COLORREF at(int x, int y) const { return test::pixelAt(window(), x, y); }

  Ui ui;
  win::Win32Backend backend{ui};
};

TEST_F(WinWindowTest, WindowIsFramelessTopmostWithTheLayoutClientSize) {
  ASSERT_TRUE(ui.open(kWin));
  HWND h = backend.windowHandle(kWin);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(ui.nativeHandle(kWin), h);
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER));
  EXPECT_TRUE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT client, outer;
  GetClientRect(h, &client);
  GetWindowRect(h, &outer);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 120);
  EXPECT_EQ(outer.left, 40);
  EXPECT_EQ(outer.top, 50);
  EXPECT_EQ(outer.right - outer.left, 300);
  EXPECT_TRUE(IsWindowVisible(h));
}

TEST_F(WinWindowTest, CentredWindowIsCentredOnThePrimaryScreenAndItsPositionWrittenBack) {
  ui.open(kCentred);
  RECT r;
  GetWindowRect(backend.windowHandle(kCentred), &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 200) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 80) / 2);
  EXPECT_EQ(ui.windowLeft(kCentred), r.left);
  EXPECT_EQ(ui.windowTop(kCentred), r.top);
}

TEST_F(WinWindowTest, OwnerIsTheNativeOwner) {
  ui.open(kWin);
  ui.open(kCentred, kWin);
  EXPECT_EQ(GetWindow(backend.windowHandle(kCentred), GW_OWNER), backend.windowHandle(kWin));
}

TEST_F(WinWindowTest, ControlsAreDrawnAtTheirWindowPositionsBoxChildrenOffsetByTheBox) {
  ui.open(kWin);
  const Colour strip = rgb(0x171C25), body = rgb(0x0F2D38), key = rgb(0x606060);
  EXPECT_EQ(ui.windowPosition({kWin, kButton}), (std::pair{30, 46}));  // 26 of the box + 20
  EXPECT_EQ(at(30, 46), strip);
  EXPECT_EQ(at(89, 75), strip);
  EXPECT_EQ(at(29, 46), body);
  EXPECT_EQ(at(90, 75), body);
  EXPECT_EQ(at(200, 10), strip);  // the strip is 201 wide
  EXPECT_EQ(at(201, 10), key);
  EXPECT_EQ(at(5, 5), rgb(0x00FF00));  // the logo inside the strip
  ui.setBounds({kWin, kButton}, 40, 10, 50, 20);
  EXPECT_EQ(at(40, 36), strip);
  EXPECT_EQ(at(89, 55), strip);
  EXPECT_EQ(at(35, 50), body);  // where it was
  EXPECT_EQ(at(60, 70), body);
  // Moving the box moves what lies in it, and what it uncovers shows the
  // window's background.
  ui.setBounds({kWin, kBody}, 0, 36, 300, 84);
  EXPECT_EQ(at(40, 46), strip);
  EXPECT_EQ(at(40, 30), key);
}

// The drawn captions, since painted controls have no window text.
TEST_F(WinWindowTest, CaptionsReadBackAsChineseWhateverTheAnsiCodePage) {
  // Under the test harness Wine runs with the Western code page.
  std::printf("ANSI code page %u\n", GetACP());
  ui.open(kWin);
  wchar_t text[64];
  GetWindowTextW(window(), text, 64);
  EXPECT_STREQ(text, L"阵容");
  EXPECT_EQ(win::narrow(L"游戏版本：9.15b"), Text("游戏版本：9.15b"));
  auto drawnButton = [&] {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 60; ++x) pixels.push_back(at(30 + x, 46 + y));
    return pixels;
  };
  const auto before = drawnButton();
  ui.setCaption({kWin, kButton}, "装备");
  const auto after = drawnButton();
  int changed = 0;
  for (std::size_t i = 0; i < before.size(); ++i) changed += before[i] != after[i];
  EXPECT_GT(changed, 20);
  ui.setCaption({kWin, kButton}, "清空");
  EXPECT_EQ(drawnButton(), before);
}

TEST_F(WinWindowTest, TheFontIsTheCjkFaceAtTwelvePixels) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, backend.font());
  TEXTMETRICW tm;
  GetTextMetricsW(dc, &tm);
  wchar_t face[LF_FACESIZE];
  GetTextFaceW(dc, LF_FACESIZE, face);
  SIZE size;
  GetTextExtentPoint32W(dc, L"阵", 1, &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 12);
  EXPECT_EQ(tm.tmCharSet, GB2312_CHARSET) << "face " << win::narrow(face);
  EXPECT_GE(size.cx, 10);  // a full-width glyph, not a fallback box pair
}

TEST_F(WinWindowTest, HiddenBoxesHideWhatLiesInThem) {
  int clicked = 0;
  ui.bind({kWin, kButton}, Event::Clicked, [&] { ++clicked; });
  ui.open(kWin);
  ui.setVisible({kWin, kBody}, false);
  EXPECT_EQ(at(35, 50), rgb(0x606060));  // the window's background where the button was
  test::postClick(window(), in(kButton));
  pump(50);
  EXPECT_EQ(clicked, 0);
  ui.setVisible({kWin, kBody}, true);
  EXPECT_EQ(at(35, 50), rgb(0x171C25));
  test::postClick(window(), in(kButton));
  pump(50);
  EXPECT_EQ(clicked, 1);
}

TEST_F(WinWindowTest, PostedClickRaisesClickedAndRightPressItsOwnEvent) {
  int clicked = 0, right = 0, pressed = 0;
  ui.bind({kWin, kButton}, Event::Clicked, [&] { ++clicked; });
  ui.bind({kWin, kButton}, Event::RightButtonPressed, [&] { ++right; });
  ui.bind({kWin, kBody}, Event::LeftButtonPressed, [&] { ++pressed; });
  ui.open(kWin);
  test::postClick(window(), in(kButton));
  pump(50);
  EXPECT_EQ(clicked, 1);
  // Released outside the button: no click.
  test::postMouse(window(), WM_LBUTTONDOWN, in(kButton));
  test::postMouse(window(), WM_LBUTTONUP, {500, 5});
  test::postMouse(window(), WM_RBUTTONDOWN, in(kButton));
  test::postMouse(window(), WM_LBUTTONDOWN, {200, 80});
  pump(50);
  EXPECT_EQ(clicked, 1);
  EXPECT_EQ(right, 1);
  EXPECT_EQ(pressed, 1);
  // A disabled button takes no input; the box beneath it gets the press.
  ui.setDisabled({kWin, kButton}, true);
  const POINT p = onScreen(kButton, 10, 10);
  test::moveMouseTo(p.x, p.y);
  test::sendMouse(MOUSEEVENTF_LEFTDOWN);
  test::sendMouse(MOUSEEVENTF_LEFTUP);
  pump(100);
  EXPECT_EQ(clicked, 1);
  EXPECT_EQ(pressed, 2);
}

TEST_F(WinWindowTest, RealClickThroughTheInputQueueRaisesClicked) {
  int clicked = 0;
  ui.bind({kWin, kButton}, Event::Clicked, [&] { ++clicked; });
  ui.open(kWin);
  pump(50);
  const POINT p = onScreen(kButton, 10, 10);
  test::moveMouseTo(p.x, p.y);
  test::sendMouse(MOUSEEVENTF_LEFTDOWN);
  pump(30);
  test::sendMouse(MOUSEEVENTF_LEFTUP);
  pump(200, [&] { return clicked > 0; });
  EXPECT_EQ(clicked, 1);
}

TEST_F(WinWindowTest, DragOnTheStripMovesTheWindowByTheDragDistance) {
  ui.open(kWin);
  pump(50);
  HWND h = window();
  // Grab the strip on its title label, which passes the mouse through.
  test::dragInSteps(onScreen(kTitle, 30, 10), 4, 10, 7, 30);
  RECT r;
  pump(1000, [&] { return GetWindowRect(h, &r) && r.left == 80; });
  GetWindowRect(h, &r);
  EXPECT_EQ(r.left, 80);
  EXPECT_EQ(r.top, 78);
  EXPECT_EQ(ui.windowLeft(kWin), 80);
  EXPECT_EQ(ui.windowTop(kWin), 78);
  // A press on a strip button does not drag.
  const POINT onClose = onScreen(kClose, 10, 10);
  test::moveMouseTo(onClose.x, onClose.y);
  test::sendMouse(MOUSEEVENTF_LEFTDOWN);
  test::moveMouseTo(onClose.x + 30, onClose.y + 30);
  test::sendMouse(MOUSEEVENTF_LEFTUP);
  pump(100);
  GetWindowRect(h, &r);
  EXPECT_EQ(r.left, 80);
}

TEST_F(WinWindowTest, FastDragInManySmallStepsFollowsThePointer) {
  ui.open(kWin);
  pump(50);
  // Dragged while inactive, and again once a click on a button has made it
  // the active window.
  for (const int pauseMs : {300, 50, 10}) {
    if (pauseMs == 10) {
      const POINT b = onScreen(kButton, 10, 10);
      test::moveMouseTo(b.x, b.y);
      test::sendMouse(MOUSEEVENTF_LEFTDOWN);
      test::sendMouse(MOUSEEVENTF_LEFTUP);
      pump(1000, [&] { return GetForegroundWindow() == window(); });
    }
    RECT was, r;
    GetWindowRect(window(), &was);
    test::dragInSteps(onScreen(kTitle, 30, 10), 10, 12, 6, pauseMs);
    // A window manager may place it a moment after the release.
    pump(1000, [&] { return GetWindowRect(window(), &r) && r.left - was.left == 120; });
    GetWindowRect(window(), &r);
    EXPECT_EQ(r.left - was.left, 120) << pauseMs << " ms apart";
    EXPECT_EQ(r.top - was.top, 60) << pauseMs << " ms apart";
    EXPECT_EQ(ui.windowLeft(kWin), r.left);
    // The press gave it the keyboard, as a press on a title bar does.
    EXPECT_EQ(GetForegroundWindow(), window()) << pauseMs << " ms apart";
  }
}

TEST_F(WinWindowTest, UserCloseGoesThroughUiAndItsClosedHook) {
  std::vector<std::int32_t> closed;
  ui.setClosedHook([&](std::int32_t id) { closed.push_back(id); });
  ui.open(kWin);
  ui.open(kCentred, kWin);
  PostMessageW(backend.windowHandle(kWin), WM_CLOSE, 0, 0);
  pump(50);
  EXPECT_FALSE(ui.isOpen(kWin));
  EXPECT_FALSE(ui.isOpen(kCentred));
  EXPECT_EQ(closed, (std::vector<std::int32_t>{kCentred, kWin}));
  EXPECT_EQ(backend.windowHandle(kWin), nullptr);
}

TEST_F(WinWindowTest, AltF4ClosesThroughUiToo) {
  std::vector<std::int32_t> closed;
  ui.setClosedHook([&](std::int32_t id) { closed.push_back(id); });
  ui.open(kWin);
  PostMessageW(backend.windowHandle(kWin), WM_SYSKEYDOWN, VK_F4, 1 << 29);
  pump(100, [&] { return !ui.isOpen(kWin); });
  EXPECT_FALSE(ui.isOpen(kWin));
  EXPECT_EQ(closed, std::vector<std::int32_t>{kWin});
}

TEST_F(WinWindowTest, ClosingTheWindowFromItsOwnButtonHandlerIsSafe) {
  int reopened = 0;
  ui.bind({kWin, kClose}, Event::Clicked, [&] {
    ui.close(kWin);
    // Touching the toolkit right after the close must be fine too.
    ui.setCaption({kWin, kTitle}, "x");
    ui.open(kCentred);
    ++reopened;
  });
  ui.open(kWin);
  for (int i = 0; i < 3; ++i) {
    ui.open(kWin);
    test::postClick(window(), in(kClose));
    pump(50);
    EXPECT_FALSE(ui.isOpen(kWin));
    ui.close(kCentred);
  }
  EXPECT_EQ(reopened, 3);
}

TEST_F(WinWindowTest, RealClickOnAHintedCloseButtonClosesSafely) {
  ui.bind({kWin, kClose}, Event::Clicked, [&] { ui.close(kWin); });
  for (int i = 0; i < 2; ++i) {
    ui.open(kWin);
    pump(30);
    const POINT p = onScreen(kClose, 10, 10);
    test::moveMouseTo(p.x, p.y);
    pump(600);  // long enough for the tooltip to come up
    test::sendMouse(MOUSEEVENTF_LEFTDOWN);
    pump(30);
    test::sendMouse(MOUSEEVENTF_LEFTUP);
    pump(200, [&] { return !ui.isOpen(kWin); });
    EXPECT_FALSE(ui.isOpen(kWin));
    test::moveMouseTo(p.x + 1, p.y + 1);  // the pointer moves on over where it was
  }
}

TEST_F(WinWindowTest, MinimiseAndMoveAreNoted) {
  ui.open(kWin);
  ui.moveWindow(kWin, 120, 130);
  RECT r;
  GetWindowRect(backend.windowHandle(kWin), &r);
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 130);
  ui.minimise(kWin);
  pump(50);
  EXPECT_TRUE(IsIconic(backend.windowHandle(kWin)));
  EXPECT_EQ(ui.windowLeft(kWin), 120);  // not the parking place of the icon
}

}  // namespace
}  // namespace vex
