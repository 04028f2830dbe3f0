// A window's one tooltip control: a rectangle tool per hinted control, in
// step with where the control is and whether it shows, drawn in the
// interface's font so that Chinese names show as glyphs.
#include <gtest/gtest.h>

#include <set>

#include "toolkit/controls/win/win32_backend.h"
#include "win_test_support.h"

namespace vex {
namespace {

using test::control;
using test::pump;

constexpr std::int32_t kWin = 0x52000050;
constexpr std::int32_t kFirst = 1, kSecond = 2, kInBox = 3, kBox = 4;

WindowLayout layout() {
  WindowLayout w;
  w.id = kWin;
  w.width = 300;
  w.height = 120;
  w.left = 80;
  w.top = 80;
  w.background = rgb(0x606060);
  auto button = [](std::int32_t id, int left, int top, const char* hint, std::int32_t parent = 0) {
    ControlState b = control(id, ControlKind::SuperBtn, left, top, 60, 30, parent);
    b.backColour[kNormal] = rgb(0x171C25);
    b.hint = hint;
    return b;
  };
  ControlState box = control(kBox, ControlKind::ShapeBox, 0, 60, 300, 60);
  box.fill = rgb(0x0F2D38);
  // Two names of equal length: drawn as boxes they would look the same.
  w.controls = {button(kFirst, 10, 10, "铸星龙王"), button(kSecond, 100, 10, "仙灵女巫"),
                button(kInBox, 10, 10, "无畏先锋", kBox), box};
  return w;
}

struct Tool {
  UINT_PTR id;
  RECT rect;
};

std::vector<Tool> toolsOf(HWND tip) {
  std::vector<Tool> out;
  const int count = static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    if (SendMessageW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&info)))
      out.push_back({info.uId, info.rect});
  }
  return out;
}

// The tooltip's pixels as drawn on screen.
std::vector<COLORREF> drawn(HWND tip, SIZE& size) {
  UpdateWindow(tip);
  RECT r;
  GetClientRect(tip, &r);
  size = {r.right, r.bottom};
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(tip);
  for (int y = 0; y < r.bottom; ++y)
    for (int x = 0; x < r.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(tip, dc);
  return pixels;
}

class WinTooltipTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui.addLayout(layout());
    ui.open(kWin);
    test::moveMouseTo(5, 5);
    pump(50);
  }
  void TearDown() override { ui.close(kWin); }
  HWND window() const { return backend.windowHandle(kWin); }
  HWND tip() const { return test::ownedTooltip(backend.windowHandle(kWin)); }
  RECT boxOf(std::int32_t id) const {
    const ControlState& c = ui.control({kWin, id});
    auto [x, y] = ui.windowPosition({kWin, id});
    return {x, y, x + c.width, y + c.height};
  }
  void expectTools(std::set<std::int32_t> ids) {
    std::set<std::int32_t> have;
    for (const Tool& t : toolsOf(tip())) {
      have.insert(static_cast<std::int32_t>(t.id));
      const RECT want = boxOf(static_cast<std::int32_t>(t.id));
      EXPECT_TRUE(EqualRect(&t.rect, &want)) << "tool " << t.id;
    }
    EXPECT_EQ(have, ids);
  }
  POINT pointIn(std::int32_t id, int dx = 20, int dy = 10) const {
    auto [x, y] = ui.windowPosition({kWin, id});
    return test::onScreen(window(), x + dx, y + dy);
  }
  bool tipShows(int withinMs) {
    pump(withinMs, [&] { return IsWindowVisible(tip()) != FALSE; });
    return IsWindowVisible(tip()) != FALSE;
  }
  // Shows the tip of a control under the real pointer and reads it.
  std::vector<COLORREF> tipOver(std::int32_t id, SIZE& size) {
    test::moveMouseTo(5, 5);
    pump(3000, [&] { return !IsWindowVisible(tip()); });
    const POINT p = pointIn(id);
    test::moveMouseTo(p.x, p.y);
    pump(3000, [&] { return IsWindowVisible(tip()) != FALSE; });
    EXPECT_TRUE(IsWindowVisible(tip())) << "tip of " << id;
    pump(100);
    return drawn(tip(), size);
  }

  Ui ui;
  win::Win32Backend backend{ui};
};

TEST_F(WinTooltipTest, OneToolPerHintedControlOverItsBoxInTheInterfaceFont) {
  ASSERT_NE(tip(), nullptr);
  EXPECT_EQ(GetWindow(tip(), GW_OWNER), window());
  // The tooltip keeps a copy of the font it is given.
  const HFONT tipFont = reinterpret_cast<HFONT>(SendMessageW(tip(), WM_GETFONT, 0, 0));
  LOGFONTW font{}, windows{};
  GetObjectW(tipFont, sizeof font, &font);
  GetObjectW(backend.font(), sizeof windows, &windows);
  EXPECT_STREQ(font.lfFaceName, windows.lfFaceName);
  EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
  EXPECT_EQ(font.lfHeight, -12);
  // Whatever faces are installed (a player's desktop has CJK faces without
  // Latin letters), the face drawn with has every character we write.
  EXPECT_EQ(test::missingGlyphs(tipFont, L"Vexbox(阵匣) T1 V2.1 9.15b 0123456789 关闭窗口，铸星龙王"), L"");
  expectTools({kFirst, kSecond, kInBox});
  wchar_t text[64] = {};
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = window();
  info.uId = kInBox;
  info.lpszText = text;
  SendMessageW(tip(), TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, L"无畏先锋");
}

TEST_F(WinTooltipTest, ToolsFollowTheirControlsBoundsAndVisibility) {
  ui.setBounds({kWin, kFirst}, 20, 30, 40, 20);
  expectTools({kFirst, kSecond, kInBox});
  ui.setVisible({kWin, kFirst}, false);
  expectTools({kSecond, kInBox});
  ui.setVisible({kWin, kBox}, false);  // hides what lies in it
  expectTools({kSecond});
  ui.setVisible({kWin, kBox}, true);
  ui.setVisible({kWin, kFirst}, true);
  expectTools({kFirst, kSecond, kInBox});
  ui.setBounds({kWin, kBox}, 0, 50, 300, 70);  // moves what lies in it
  expectTools({kFirst, kSecond, kInBox});
  ui.setHint({kWin, kSecond}, "");
  expectTools({kFirst, kInBox});
}

TEST_F(WinTooltipTest, ChineseNamesOfEqualLengthDrawDifferently) {
  SIZE first{}, second{};
  const std::vector<COLORREF> a = tipOver(kFirst, first);
  const std::vector<COLORREF> b = tipOver(kSecond, second);
  ASSERT_EQ(first.cx, second.cx);
  ASSERT_EQ(first.cy, second.cy);
  ASSERT_FALSE(a.empty());
  int differing = 0;
  for (std::size_t i = 0; i < a.size(); ++i) differing += a[i] != b[i];
  EXPECT_GT(differing, 20) << "the names drew alike: empty boxes instead of glyphs?";
}

// The tooltip asks for a tip's text as it shows it; a hint rewritten while
// its tip is up reaches the screen at once.
TEST_F(WinTooltipTest, AHintRewrittenWhileItsTipShowsIsWhatTheTipShows) {
  SIZE size{}, again{};
  const std::vector<COLORREF> second = tipOver(kSecond, size);
  const std::vector<COLORREF> first = tipOver(kFirst, again);
  ASSERT_NE(first, second);
  ui.setHint({kWin, kFirst}, "仙灵女巫");
  pump(100);
  ASSERT_TRUE(IsWindowVisible(tip()));
  EXPECT_EQ(drawn(tip(), again), second);
  ui.setHint({kWin, kFirst}, "铸星龙王");
  EXPECT_EQ(tipOver(kFirst, again), first) << "shown again, with the hint it has now";
}

// As on Windows, a press ends the tip's wait, whether it was still waiting
// or showing, until the pointer leaves the control it pressed.
TEST_F(WinTooltipTest, APressEndsTheWaitUntilThePointerLeavesTheControl) {
  constexpr int kDelayMs = 100;  // shortened, so the test sees it run out many times over
  SendMessageW(tip(), TTM_SETDELAYTIME, TTDT_INITIAL, kDelayMs);
  for (const bool showing : {false, true}) {
    test::moveMouseTo(5, 5);
    pump(1000, [&] { return !IsWindowVisible(tip()); });
    const POINT on = pointIn(kFirst);
    test::moveMouseTo(on.x, on.y);
    if (showing) {
      ASSERT_TRUE(tipShows(3000));
    }
    test::sendMouse(MOUSEEVENTF_LEFTDOWN);
    pump(20);
    test::sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(tipShows(6 * kDelayMs))
        << "after a quick click, the tip " << (showing ? "showing" : "waiting");
    // Small moves inside the pressed control keep it quiet.
    for (int step = 1; step <= 4; ++step) test::moveMouseTo(on.x + 3 * step, on.y + step);
    EXPECT_FALSE(tipShows(6 * kDelayMs)) << "after small moves on the pressed control";
    // Over another control the wait starts again.
    const POINT other = pointIn(kSecond);
    test::moveMouseTo(other.x, other.y);
    EXPECT_TRUE(tipShows(3000)) << "over the next control";
  }
}

}  // namespace
}  // namespace vex
