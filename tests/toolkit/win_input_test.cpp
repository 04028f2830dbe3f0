// The mouse over a window's painted controls: which control a click
// reaches when controls overlap, the hover and pressed looks as the
// player sees them, and one paint for all the writes of a handler. The
// keyboard: Tab through the stops, Space and Enter, the focus looks.
#include <gtest/gtest.h>

#include <map>

#include "../support/paint_counter.h"
#include "toolkit/controls/win/win32_backend.h"
#include "win_test_support.h"

namespace vex {
namespace {

using test::control;
using test::pump;

constexpr std::int32_t kWin = 0x52000040;
constexpr std::int32_t kLabel = 1, kPicture = 2, kTop = 3, kHidden = 4, kDisabled = 5, kUnderLabel = 6,
                       kUnderPicture = 7, kBottom = 8, kUnderHidden = 9, kUnderDisabled = 10, kBoxButton = 11,
                       kBox = 12;

// The keyboard's window: its stops in table order are kFirst, the list and
// kLast (no focus colour); the others are hidden, disabled, no stop.
constexpr std::int32_t kKeys = 0x52000041;
constexpr std::int32_t kFirst = 21, kStopHidden = 22, kStopDisabled = 23, kNoStop = 24, kList = 25,
                       kLast = 26;

const Colour kBack = rgb(0x606060), kRestBack = rgb(0x171C25), kHoverBack = rgb(0xFFFFFF),
             kPressedBack = rgb(0x3050A0), kFill = rgb(0x0F2D38), kRed = rgb(0xFF0000),
             kGreen = rgb(0x00FF00);

ControlState button(std::int32_t id, int left, int top, std::int32_t parent = 0) {
  ControlState b = control(id, ControlKind::SuperBtn, left, top, 60, 30, parent);
  b.backColour[kNormal] = kRestBack;
  b.backColour[kHover] = kHoverBack;
  b.backColour[kPressed] = kPressedBack;
  b.pointer = Pointer::Hand;
  return b;
}

// The focus colour is the pressed one: the hover picture (green, in the
// middle) tells a press from the focus.
WindowLayout keysLayout() {
  WindowLayout w;
  w.id = kKeys;
  w.width = 420;
  w.height = 120;
  w.left = 380;
  w.top = 60;
  w.background = kBack;
  for (std::int32_t id = kFirst; id <= kLast; ++id) {
    ControlState c = id == kList ? control(id, ControlKind::ListView, 10, 50, 200, 60)
                                 : button(id, 70 * (id - kFirst), 10);
    c.tabStop = id != kNoStop;
    c.picture = test::solidBmp(8, 8, kRed);
    c.hoverPicture = test::solidBmp(8, 8, kGreen);
    w.controls.push_back(c);
  }
  w.controls[1].visible = false;
  w.controls[2].disabled = true;
  w.controls[5].backColour[kPressed] = kDefaultColour;
  return w;
}

WindowLayout layout() {
  WindowLayout w;
  w.id = kWin;
  w.width = 300;
  w.height = 200;
  w.left = 60;
  w.top = 60;
  w.background = kBack;
  ControlState label = control(kLabel, ControlKind::Label, 10, 10, 60, 30);
  label.caption = "标签";
  label.textColour[kNormal] = rgb(0xECECEC);
  ControlState picture = control(kPicture, ControlKind::PicBox, 80, 10, 60, 30);
  picture.picture = test::solidBmp(8, 8, kRed);
  ControlState hidden = button(kHidden, 10, 60);
  hidden.visible = false;
  ControlState disabled = button(kDisabled, 80, 60);
  disabled.disabled = true;
  ControlState box = control(kBox, ControlKind::ShapeBox, 0, 110, 300, 90);
  box.fill = kFill;
  // Earlier rows lie above later ones.
  w.controls = {label,
                picture,
                button(kTop, 150, 10),
                hidden,
                disabled,
                button(kUnderLabel, 10, 10),
                button(kUnderPicture, 80, 10),
                button(kBottom, 170, 10),
                button(kUnderHidden, 10, 60),
                button(kUnderDisabled, 80, 60),
                button(kBoxButton, 10, 10, kBox),
                box};
  return w;
}

class WinInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui.addLayout(keysLayout());
    for (std::int32_t id = kFirst; id <= kLast; ++id)
      ui.bind({kKeys, id}, Event::Clicked, [this, id] { ++clicks[id]; });
    ui.addLayout(layout());
    for (std::int32_t id = kLabel; id <= kBox; ++id) {
      ui.bind({kWin, id}, Event::Clicked, [this, id] { ++clicks[id]; });
      ui.bind({kWin, id}, Event::RightButtonPressed, [this, id] { ++rightPresses[id]; });
      ui.bind({kWin, id}, Event::LeftButtonPressed, [this, id] { ++leftPresses[id]; });
    }
    ui.open(kWin);
    test::moveMouseTo(5, 5);
    pump(50);
  }
  void TearDown() override {
    ui.close(kWin);
    if (ui.isOpen(kKeys)) ui.close(kKeys);
  }
  // A user activates the window to type; it opens beside the game without.
  void openKeys(bool activate) {
    ui.open(kKeys);
    if (activate) SetForegroundWindow(keys());
    pump(500, [&] { return !activate || GetForegroundWindow() == keys(); });
  }
  HWND keys() const { return backend.windowHandle(kKeys); }
  POINT keysIn(std::int32_t id, int x = 30, int y = 15) const {
    return test::inControl(ui, {kKeys, id}, x, y);
  }
  COLORREF keysPixel(std::int32_t id, int x, int y) const {
    const POINT p = keysIn(id, x, y);
    return test::pixelAt(keys(), p.x, p.y);
  }
  // The focus ring runs one pixel inside the button's edge.
  bool ringOn(std::int32_t id) const {
    for (int x = 2; x < 12; ++x)
      if (keysPixel(id, x, 1) != keysPixel(id, x, 4)) return true;
    return false;
  }
  std::int32_t focusedOne() const {
    if (GetFocus() == GetDlgItem(backend.windowHandle(kKeys), kList)) return kList;
    for (std::int32_t id : {kFirst, kStopHidden, kNoStop, kLast})
      if (ringOn(id)) return id;
    return 0;
  }
  HWND window() const { return backend.windowHandle(kWin); }
  POINT in(std::int32_t id, int x = 30, int y = 15) const { return test::inControl(ui, {kWin, id}, x, y); }
  // A pixel of a button where no other control covers it.
  COLORREF look(std::int32_t id) const {
    const POINT p = in(id, id == kBottom ? 55 : 2, 2);
    return test::pixelAt(window(), p.x, p.y);
  }
  void pointAt(POINT client) {
    const POINT p = test::onScreen(window(), client.x, client.y);
    test::moveMouseTo(p.x, p.y);
  }

  Ui ui;
  win::Win32Backend backend{ui};
  std::map<std::int32_t, int> clicks, rightPresses, leftPresses;
};

TEST_F(WinInputTest, AClickReachesTheTopmostControlThatTakesTheMouse) {
  test::postClick(window(), in(kLabel));    // a label lets it through
  test::postClick(window(), in(kPicture));  // so does a picture
  test::postClick(window(), {190, 25});     // where two buttons overlap
  test::postClick(window(), {220, 25});     // the lower one alone
  test::postClick(window(), in(kHidden));
  test::postClick(window(), in(kDisabled));
  test::postClick(window(), in(kBoxButton));  // a button inside a box
  test::postClick(window(), {200, 170});      // the box itself
  pump(100);
  const std::map<std::int32_t, int> wanted{{kUnderLabel, 1}, {kUnderPicture, 1}, {kTop, 1},
                                           {kBottom, 1},     {kUnderHidden, 1},  {kUnderDisabled, 1},
                                           {kBoxButton, 1}};
  EXPECT_EQ(clicks, wanted);
  EXPECT_EQ(leftPresses, (std::map<std::int32_t, int>{{kBox, 1}}));

  // Shown and enabled again, they take the mouse back.
  ui.setVisible({kWin, kHidden}, true);
  ui.setDisabled({kWin, kDisabled}, false);
  ui.setVisible({kWin, kTop}, false);
  test::postClick(window(), in(kHidden));
  test::postClick(window(), in(kDisabled));
  test::postClick(window(), {190, 25});
  pump(100);
  EXPECT_EQ(clicks[kHidden], 1);
  EXPECT_EQ(clicks[kDisabled], 1);
  EXPECT_EQ(clicks[kBottom], 2);
  EXPECT_EQ(clicks[kTop], 1);
}

TEST_F(WinInputTest, OnlyAReleaseOverThePressedButtonClicks) {
  test::postMouse(window(), WM_LBUTTONDOWN, {190, 25});
  test::postMouse(window(), WM_LBUTTONUP, {220, 25});  // over the button beneath
  test::postMouse(window(), WM_LBUTTONDOWN, {190, 25});
  test::postMouse(window(), WM_LBUTTONUP, {500, 25});    // outside the window
  test::postMouse(window(), WM_LBUTTONUP, in(kBottom));  // no press before it
  test::postMouse(window(), WM_RBUTTONDOWN, {190, 25});
  test::postMouse(window(), WM_RBUTTONDOWN, in(kLabel));
  pump(100);
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(rightPresses, (std::map<std::int32_t, int>{{kTop, 1}, {kUnderLabel, 1}}));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(WinInputTest, HoverAndPressedLooksFollowTheRealMouse) {
  ASSERT_EQ(look(kTop), kRestBack);
  pointAt(in(kTop));
  EXPECT_EQ(look(kTop), kHoverBack);
  test::sendMouse(MOUSEEVENTF_LEFTDOWN);
  pump(50);
  EXPECT_EQ(look(kTop), kPressedBack);
  EXPECT_EQ(GetCapture(), window());
  // Held down and dragged off: the button keeps the hover look, the one
  // beneath the pointer stays at rest.
  pointAt({225, 25});
  EXPECT_EQ(look(kTop), kHoverBack);
  EXPECT_EQ(look(kBottom), kRestBack);
  pointAt(in(kTop));
  EXPECT_EQ(look(kTop), kPressedBack);
  test::sendMouse(MOUSEEVENTF_LEFTUP);
  pump(100, [&] { return clicks[kTop] > 0; });
  EXPECT_EQ(clicks[kTop], 1);
  EXPECT_EQ(look(kTop), kHoverBack);
  // From one button straight to another.
  pointAt({225, 25});
  EXPECT_EQ(look(kTop), kRestBack);
  EXPECT_EQ(look(kBottom), kHoverBack);
  // Out of the window: Wine notices the leave on a polling timer.
  test::moveMouseTo(5, 5);
  pump(1500, [&] { return look(kBottom) == kRestBack; });
  EXPECT_EQ(look(kBottom), kRestBack);
}

TEST_F(WinInputTest, AllWritesOfAClickHandlerReachTheScreenInOnePaint) {
  ui.bind({kWin, kTop}, Event::Clicked, [&] {
    ui.setBackColour({kWin, kBottom}, kNormal, kRed);
    ui.setBackColour({kWin, kUnderLabel}, kNormal, kRed);
    ui.setVisible({kWin, kBoxButton}, false);
    ui.setBounds({kWin, kUnderHidden}, 10, 60, 30, 30);
    ui.setCaption({kWin, kLabel}, "改了");
    ui.setPicture({kWin, kPicture}, test::solidBmp(8, 8, kHoverBack));
  });
  test::postMouse(window(), WM_LBUTTONDOWN, {190, 25});
  pump(100);
  const test::PaintCounter painted(window());
  pump(100);
  EXPECT_EQ(painted.paints(), 0) << "an idle window paints nothing";
  test::postMouse(window(), WM_LBUTTONUP, {190, 25});
  pump(200);
  EXPECT_EQ(painted.paints(), 1);
  EXPECT_EQ(look(kBottom), kRed);
  EXPECT_EQ(look(kUnderLabel), kRed);
  const POINT boxButton = in(kBoxButton, 2, 2);
  EXPECT_EQ(test::pixelAt(window(), boxButton.x, boxButton.y), kFill);
  EXPECT_EQ(test::pixelAt(window(), 55, 75), kBack);        // the narrowed button's old right half
  EXPECT_EQ(test::pixelAt(window(), 110, 25), kHoverBack);  // the new picture
}

TEST_F(WinInputTest, UnchangedWritesPaintNothingAndHidingKeepsPictures) {
  pump(100);
  const test::PaintCounter painted(window());
  const int decodes = backend.pictures().decodes();
  ui.setCaption({kWin, kLabel}, "标签");
  ui.setPicture({kWin, kPicture}, test::solidBmp(8, 8, kRed));
  ui.setBackColour({kWin, kBottom}, kNormal, kRestBack);
  ui.setVisible({kWin, kBox}, true);
  ui.setDisabled({kWin, kDisabled}, true);
  ui.setBounds({kWin, kTop}, 150, 10, 60, 30);
  pump(100);
  EXPECT_EQ(painted.paints(), 0);
  EXPECT_EQ(backend.pictures().decodes(), decodes);
  ui.setVisible({kWin, kPicture}, false);
  pump(50);
  ui.setVisible({kWin, kPicture}, true);
  pump(50);
  EXPECT_EQ(backend.pictures().decodes(), decodes) << "a picture shown again is not asked for again";
  EXPECT_EQ(test::pixelAt(window(), 110, 25), kRed);
}

TEST_F(WinInputTest, TabWalksTheShownEnabledStopsAndSpaceAndEnterClick) {
  openKeys(true);
  ASSERT_EQ(GetForegroundWindow(), keys());
  EXPECT_EQ(keysPixel(kFirst, 4, 4), kRestBack) << "no focus look before a key is pressed";
  EXPECT_FALSE(ringOn(kFirst)) << "no ring before a key is pressed";
  std::vector<std::int32_t> seen;
  for (bool back : {false, false, false, true, true, true}) {
    test::pressKey(VK_TAB, back);
    seen.push_back(focusedOne());
  }
  EXPECT_EQ(seen, (std::vector<std::int32_t>{kList, kLast, kFirst, kLast, kList, kFirst}));
  EXPECT_EQ(keysPixel(kFirst, 4, 4), kPressedBack);
  test::sendKey(VK_SPACE, false);
  EXPECT_EQ(keysPixel(kFirst, 30, 15), kGreen) << "pressed while Space is held";
  EXPECT_TRUE(clicks.empty());
  test::sendKey(VK_SPACE, true);
  // As the views redraw: every button hidden, the needed ones shown again.
  ui.bind({kKeys, kFirst}, Event::Clicked, [&] {
    ++clicks[kFirst];
    ui.setVisible({kKeys, kFirst}, false);
    ui.setVisible({kKeys, kFirst}, true);
  });
  test::pressKey(VK_RETURN);
  EXPECT_EQ(clicks, (std::map<std::int32_t, int>{{kFirst, 2}}));
  EXPECT_EQ(keysPixel(kFirst, 30, 15), kRed);
  EXPECT_EQ(focusedOne(), kFirst);
  // Shown again, a stop takes its turn; hidden while focused, it passes the
  // focus on, past the disabled one, to the list, whose keys are its own.
  ui.setVisible({kKeys, kStopHidden}, true);
  test::pressKey(VK_TAB);
  EXPECT_EQ(focusedOne(), kStopHidden);
  ui.setVisible({kKeys, kStopHidden}, false);
  test::pressKey(VK_SPACE);
  test::pressKey(VK_RETURN);
  EXPECT_EQ(focusedOne(), kList);
  EXPECT_EQ(clicks, (std::map<std::int32_t, int>{{kFirst, 2}}));
}

TEST_F(WinInputTest, AClickFocusesATabStopUnlitUntilAKey) {
  openKeys(false);
  EXPECT_EQ(keysPixel(kFirst, 4, 4), kRestBack) << "no focus in a window that was never activated";
  for (std::int32_t id : {kLast, kFirst, kNoStop}) test::postClick(keys(), keysIn(id));
  pump(100);
  EXPECT_EQ(clicks, (std::map<std::int32_t, int>{{kLast, 1}, {kFirst, 1}, {kNoStop, 1}}));
  EXPECT_EQ(keysPixel(kFirst, 4, 4), kRestBack) << "for the mouse's user the focus is not lit";
  EXPECT_FALSE(ringOn(kFirst));
  // Activated, the window keeps that focus, and the first key shows it: a
  // button that is no stop left it be.
  SetForegroundWindow(keys());
  pump(100);
  test::pressKey(VK_SHIFT);
  EXPECT_EQ(focusedOne(), kFirst);
  EXPECT_EQ(keysPixel(kFirst, 4, 4), kPressedBack);
}

}  // namespace
}  // namespace vex
