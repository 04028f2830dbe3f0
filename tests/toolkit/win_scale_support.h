// A window of every control kind at odd positions and sizes, and what its
// boxes must be at a display scale: each edge of the layout box scaled by
// the DPI as MulDiv rounds (half away from zero).
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <set>

#include "../support/window_pixels.h"
#include "toolkit/common/embedded.h"
#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/controls/win/win32_backend.h"
#include "toolkit/system/device_geometry.h"
#include "win_test_support.h"

namespace vex::assets {
extern const EmbeddedBytes listTestChampionIcons;
}  // namespace vex::assets

namespace vex::test {

constexpr std::int32_t kScaleWin = 0x52000040;
constexpr std::int32_t kScaleStrip = 1, kScaleLogo = 2, kScaleTitle = 3, kScaleClose = 4, kScaleBody = 5,
                       kScaleCoin = 6, kScaleList = 7, kScaleBar = 8;
constexpr Colour kScaleKey = rgb(0x606060), kStripFill = rgb(0x171C25), kBodyFill = rgb(0x0F2D38);

// 16 x 16: stripes of the two greys beside the key grey, whose blend would
// be the key itself, and a key-coloured corner that the picture key hides.
inline Bytes stripedPicture() {
  Bytes b = solidBmp(16, 16, rgb(0x5F5F5F));
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      // Rows are stored bottom-up; the colour bytes are B, G, R.
      std::uint8_t* p = &b[54 + static_cast<std::size_t>((15 - y) * 16 + x) * 4];
      const Colour c = x < 4 && y < 4 ? kScaleKey : x % 2 ? rgb(0x616161) : rgb(0x5F5F5F);
      p[0] = (c >> 16) & 0xFF;
      p[1] = (c >> 8) & 0xFF;
      p[2] = c & 0xFF;
    }
  }
  return b;
}

inline WindowLayout scaleLayout() {
  WindowLayout w;
  w.id = kScaleWin;
  w.caption = "比例";
  w.width = 301;
  w.height = 251;
  w.left = 41;
  w.top = 51;
  w.background = kScaleKey;
  w.dragControl = kScaleStrip;
  ControlState logo = control(kScaleLogo, ControlKind::PicBox, 5, 5, 16, 16, kScaleStrip);
  logo.picture = stripedPicture();
  logo.pictureKey = kScaleKey;
  ControlState title = control(kScaleTitle, ControlKind::Label, 23, 1, 101, 25, kScaleStrip);
  title.caption = "阵匣";
  title.textColour[kNormal] = rgb(0xECECEC);
  ControlState close = control(kScaleClose, ControlKind::SuperBtn, 161, 1, 39, 25, kScaleStrip);
  close.caption = "关闭";
  close.hint = "关闭窗口";
  close.textColour[kNormal] = rgb(0xECECEC);
  close.backColour[kNormal] = rgb(0x202A38);
  // The strip ends at 201: right of it the window's key colour shows.
  ControlState strip = control(kScaleStrip, ControlKind::ShapeBox, 0, 0, 201, 27);
  strip.fill = kStripFill;
  ControlState coin = control(kScaleCoin, ControlKind::SuperBtn, 31, 21, 61, 31, kScaleBody);
  coin.picture = solidBmp(13, 13, rgb(0xE0B020));
  coin.caption = "5";
  coin.hint = "花费";
  coin.textColour[kNormal] = rgb(0xECECEC);
  coin.backColour[kNormal] = rgb(0x202A38);
  ControlState body = control(kScaleBody, ControlKind::ShapeBox, 0, 27, 301, 91);
  body.fill = kBodyFill;
  ControlState list = control(kScaleList, ControlKind::ListView, 1, 119, 299, 101);
  list.list.columns = {{"名称", 41, Align::Left}, {"", 23, Align::Centre}, {"ID", 31, Align::Right}};
  ControlState bar = control(kScaleBar, ControlKind::ProcessBar, 1, 221, 299, 13);
  bar.progressMax = 100;
  bar.progress = 40;
  w.controls = {logo, title, close, strip, coin, body, list, bar};
  return w;
}

inline constexpr std::int32_t kScaleControls[] = {kScaleStrip, kScaleLogo, kScaleTitle, kScaleClose,
                                                  kScaleBody,  kScaleCoin, kScaleList,  kScaleBar};

// Fills the list with a few rows that show pictures of the shipped set.
inline void fillScaleList(Ui& ui) {
  const ControlRef list{kScaleWin, kScaleList};
  ui.listSetPictures(list, assets::listTestChampionIcons.span());
  for (int i = 0; i < 4; ++i) {
    const int row = ui.listAppendRow(list);
    ui.listSetCell(list, row, 0, "名");
    ui.listSetCellImage(list, row, 1, i);
    ui.listSetCell(list, row, 2, "7");
  }
}

// A control's box in its window's client area at `dpi`.
inline RECT scaledBox(const Ui& ui, ControlRef ref, int dpi) {
  const auto [x, y] = ui.windowPosition(ref);
  const ControlState& c = ui.control(ref);
  return {MulDiv(x, dpi, 96), MulDiv(y, dpi, 96), MulDiv(x + c.width, dpi, 96),
          MulDiv(y + c.height, dpi, 96)};
}

// A child window's rectangle in its parent's client area.
inline RECT childRect(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The rectangle of the tooltip tool of control `id`, empty when it has none.
inline RECT toolRect(HWND tip, HWND window, std::int32_t id) {
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = window;
  info.uId = static_cast<UINT_PTR>(id);
  if (!tip || !SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info))) return {};
  return info.rect;
}

inline int fontHeight(HFONT font) {
  LOGFONTW lf{};
  GetObjectW(font, sizeof lf, &lf);
  return lf.lfHeight;
}

inline std::set<COLORREF> coloursIn(const WindowPixels& p, const RECT& area) {
  std::set<COLORREF> out;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) out.insert(p.at(x, y));
  return out;
}

// Every box of the window at `dpi`: the controls' boxes as a screen reader
// is told them, the child windows of the list and the bar, and the tooltip
// tools.
inline void expectScaledBoxes(const Ui& ui, const win::Win32Backend& backend, int dpi) {
  HWND window = backend.windowHandle(kScaleWin);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, MulDiv(301, dpi, 96));
  EXPECT_EQ(client.bottom, MulDiv(251, dpi, 96));
  for (std::int32_t id : kScaleControls) {
    const ControlRef ref{kScaleWin, id};
    const RECT want = scaledBox(ui, ref, dpi);
    EXPECT_EQ(readerBox(window, ui.indexOf(ref) + 1), want) << "control " << id;
    if (HWND child = GetDlgItem(window, id)) {
      EXPECT_EQ(childRect(child), want) << "control " << id;
    }
    if (!ui.control(ref).hint.empty()) {
      EXPECT_EQ(toolRect(ownedTooltip(window), window, id), want) << "tool of " << id;
    }
  }
}

// The scale test window, opened on the display the suite runs on.
class ScaleWindowTest : public ::testing::Test {
 protected:
  // Fails the test when the window does not open; callers check the DPI.
  void openScaleWindow() {
    ui.addLayout(scaleLayout());
    ASSERT_TRUE(ui.open(kScaleWin));
    fillScaleList(ui);
    pump(50);
    window = backend.windowHandle(kScaleWin);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override { ui.close(kScaleWin); }
  HWND list() const { return GetDlgItem(window, kScaleList); }
  // A control's box in client pixels, as a screen reader is told it.
  RECT box(std::int32_t id) const { return readerBox(window, ui.indexOf({kScaleWin, id}) + 1); }

  Ui ui;
  win::Win32Backend backend{ui};
  HWND window = nullptr;
};

}  // namespace vex::test

// gtest prints RECTs as bytes otherwise.
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
inline void PrintTo(const RECT& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
