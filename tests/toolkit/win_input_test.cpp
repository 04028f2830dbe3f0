// The mouse over a window's painted controls: which control a click
// reaches when controls overlap, the hover and pressed looks as the
// player sees them, and one paint for all the writes of a handler.
#include <gtest/gtest.h>

#include <map>

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

const Colour kBack = rgb(0x606060), kRestBack = rgb(0x171C25), kHoverBack = rgb(0xFFFFFF),
             kPressedBack = rgb(0x3050A0), kFill = rgb(0x0F2D38), kRed = rgb(0xFF0000);

WindowLayout layout() {
  WindowLayout w;
  w.id = kWin;
  w.width = 300;
  w.height = 200;
  w.left = 60;
  w.top = 60;
  w.background = kBack;
  auto button = [](std::int32_t id, int left, int top, std::int32_t parent = 0) {
    ControlState b = control(id, ControlKind::SuperBtn, left, top, 60, 30, parent);
    b.backColour[kNormal] = kRestBack;
    b.backColour[kHover] = kHoverBack;
    b.backColour[kPressed] = kPressedBack;
    b.pointer = Pointer::Hand;
    b.events = {Event::Clicked, Event::RightButtonPressed};
    return b;
  };
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
  box.events = {Event::LeftButtonPressed};
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
  void TearDown() override { ui.close(kWin); }
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
  const int before = backend.paintCount(kWin);
  pump(100);
  EXPECT_EQ(backend.paintCount(kWin), before) << "an idle window paints nothing";
  test::postMouse(window(), WM_LBUTTONUP, {190, 25});
  pump(200);
  EXPECT_EQ(backend.paintCount(kWin), before + 1);
  EXPECT_EQ(look(kBottom), kRed);
  EXPECT_EQ(look(kUnderLabel), kRed);
  const POINT boxButton = in(kBoxButton, 2, 2);
  EXPECT_EQ(test::pixelAt(window(), boxButton.x, boxButton.y), kFill);
  EXPECT_EQ(test::pixelAt(window(), 55, 75), kBack);        // the narrowed button's old right half
  EXPECT_EQ(test::pixelAt(window(), 110, 25), kHoverBack);  // the new picture
}

TEST_F(WinInputTest, UnchangedWritesPaintNothingAndHidingKeepsPictures) {
  pump(100);
  const int paints = backend.paintCount(kWin), decodes = backend.pictures().decodes();
  ui.setCaption({kWin, kLabel}, "标签");
  ui.setPicture({kWin, kPicture}, test::solidBmp(8, 8, kRed));
  ui.setBackColour({kWin, kBottom}, kNormal, kRestBack);
  ui.setVisible({kWin, kBox}, true);
  ui.setDisabled({kWin, kDisabled}, true);
  ui.setBounds({kWin, kTop}, 150, 10, 60, 30);
  pump(100);
  EXPECT_EQ(backend.paintCount(kWin), paints);
  EXPECT_EQ(backend.pictures().decodes(), decodes);
  ui.setVisible({kWin, kPicture}, false);
  pump(50);
  ui.setVisible({kWin, kPicture}, true);
  pump(50);
  EXPECT_EQ(backend.pictures().decodes(), decodes) << "a picture shown again is not asked for again";
  EXPECT_EQ(test::pixelAt(window(), 110, 25), kRed);
}

}  // namespace
}  // namespace vex
