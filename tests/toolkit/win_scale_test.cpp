// Display scale at 96 DPI: pictures made for another scale, and a window
// told by the system that it now lies on a display of another scale.
// clang-format off
#include <windows.h>
// objbase.h first: commctrl.h declares ImageList_Read only once IStream is known.
#include <objbase.h>
#include <commctrl.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "../support/platform_image_list.h"
#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/pictures/gdi_picture.h"
#include "toolkit/pictures/picture_cache.h"
#include "toolkit/pictures/picture_set_decode.h"
#include "win_scale_support.h"

namespace vex {
namespace {

using test::kScaleWin;
using test::pump;

constexpr UINT kDpiChanged = 0x02E0, kGetDpiScaledSize = 0x02E4;

// A picture drawn at its natural size over `under`, as 0x00BBGGRR pixels.
std::vector<COLORREF> drawn(const win::GdiPicture& picture, COLORREF under) {
  const int w = picture.width(), h = picture.height();
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(under);
  RECT all{0, 0, w, h};
  FillRect(dc, &all, brush);
  picture.draw(dc, all, PictureFit::Centre);
  std::vector<COLORREF> out;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(brush);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return out;
}

TEST(ScaledPicture, RepeatsPixelsWithoutNewColoursAndKeepsTheKeyedOnesOut) {
  const Bytes bytes = test::stripedPicture();
  const auto natural = win::GdiPicture::fromBytes(bytes, test::kScaleKey);
  EXPECT_EQ(natural.width(), 16);
  const auto at96 = win::GdiPicture::fromBytes(bytes, test::kScaleKey, false, 96);
  EXPECT_EQ(drawn(at96, RGB(1, 2, 3)), drawn(natural, RGB(1, 2, 3))) << "96 DPI is the picture itself";

  for (int dpi : {120, 144, 192}) {
    const auto scaled = win::GdiPicture::fromBytes(bytes, test::kScaleKey, false, dpi);
    ASSERT_EQ(scaled.width(), MulDiv(16, dpi, 96)) << dpi;
    ASSERT_EQ(scaled.height(), MulDiv(16, dpi, 96)) << dpi;
    const COLORREF under = RGB(200, 10, 10);
    const std::vector<COLORREF> pixels = drawn(scaled, under);
    std::map<COLORREF, int> counts;
    for (COLORREF c : pixels) ++counts[c];
    // The two greys side by side, the keyed corner showing what lies under:
    // a blend of the greys would be the window's key colour and a hole.
    EXPECT_EQ(counts.size(), 3u) << dpi;
    EXPECT_EQ(counts.count(RGB(0x60, 0x60, 0x60)), 0u) << dpi;
    EXPECT_GT(counts[RGB(0x5F, 0x5F, 0x5F)], 0) << dpi;
    EXPECT_GT(counts[RGB(0x61, 0x61, 0x61)], 0) << dpi;
    const int corner = MulDiv(4, dpi, 96);
    EXPECT_NEAR(counts[under], corner * corner, 2 * corner) << dpi;
    EXPECT_EQ(pixels[0], under);
  }
}

TEST(ScaledPicture, CachePicturesAreDecodedAnewOnlyForAnotherScale) {
  const Bytes bytes = test::solidBmp(10, 6, rgb(0x2040E0));
  win::PictureCache cache;
  const win::SharedPicture at96 = cache.picture({bytes});
  const win::SharedPicture at144 = cache.picture({bytes, kDefaultColour, false, 144});
  EXPECT_EQ(cache.picture({bytes, kDefaultColour, false, 144}), at144);
  EXPECT_EQ(cache.picture({bytes}), at96);
  EXPECT_EQ(at144->width(), 15);
  EXPECT_EQ(at144->height(), 9);
  EXPECT_EQ(cache.decodes(), 2);
}

TEST(PictureCache, OnePictureForEqualBytesAndLooksKeptWithinItsBoundUnlessHeld) {
  const Bytes bytes = test::solidBmp(10, 6, rgb(0x2040E0));
  win::PictureCache cache(4000);
  const win::SharedPicture first = cache.picture({bytes});
  const Bytes copy = bytes;  // rebuilt elsewhere, the same content
  EXPECT_EQ(cache.picture({copy}), first);
  EXPECT_EQ(first->width(), 10);
  Bytes changed = bytes;
  changed[60] ^= 0x10;
  const win::PictureWanted others[] = {
      {changed}, {bytes, rgb(0x2040E0)}, {bytes, kDefaultColour, true}, {bytes, kDefaultColour, false, 144}};
  for (const win::PictureWanted& wanted : others) EXPECT_NE(cache.picture(wanted), first);
  EXPECT_EQ(cache.decodes(), 5);
  EXPECT_TRUE(cache.picture({})->empty());
  EXPECT_EQ(cache.decodes(), 5);
  // Pictures no one holds go once the bound is reached; a held one stays shared.
  for (int k = 0; k < 40; ++k) {
    Bytes garbage = bytes;
    garbage[54] = static_cast<std::uint8_t>(k);
    cache.picture({garbage});
  }
  cache.trim();  // the last one asked for is no longer held either
  EXPECT_LE(cache.spare().bytes, 4000u);
  EXPECT_EQ(cache.picture({bytes}), first);
  EXPECT_EQ(cache.decodes(), 45);
}

// The pictures of a set as the list draws them over `under`.
std::map<COLORREF, int> imageColours(HIMAGELIST list, int index, COLORREF under) {
  int w = 0, h = 0;
  ImageList_GetIconSize(list, &w, &h);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(under);
  RECT all{0, 0, w, h};
  FillRect(dc, &all, brush);
  ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL);
  std::map<COLORREF, int> out;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) ++out[GetPixel(dc, x, y)];
  SelectObject(dc, old);
  DeleteObject(brush);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return out;
}

TEST(PictureSetList, EveryPictureAsThePlatformReadsItAndScaledWithItsOwnColoursAndTransparency) {
  const std::span<const std::uint8_t> bytes = assets::listTestChampionIcons.span();
  win::UniqueImageList set = test::readByPlatform(bytes);
  ASSERT_TRUE(set);
  // The stream names white as the list's background; the list view passes
  // its own, so the pictures are compared with their masked pixels clear.
  ImageList_SetBkColor(set.get(), CLR_NONE);
  win::PictureCache cache;
  HIMAGELIST own = cache.imageList(bytes, 96), scaled = cache.imageList(bytes, 144);
  ASSERT_TRUE(own);
  ASSERT_TRUE(scaled);
  int w = 0, h = 0, ow = 0, oh = 0, sw = 0, sh = 0;
  ImageList_GetIconSize(set.get(), &w, &h);
  ImageList_GetIconSize(own, &ow, &oh);
  ImageList_GetIconSize(scaled, &sw, &sh);
  EXPECT_EQ(ow, w);
  EXPECT_EQ(oh, h);
  EXPECT_EQ(sw, MulDiv(w, 144, 96));
  EXPECT_EQ(sh, MulDiv(h, 144, 96));
  const int count = ImageList_GetImageCount(set.get());
  ASSERT_EQ(ImageList_GetImageCount(own), count);
  ASSERT_EQ(ImageList_GetImageCount(scaled), count);
  for (int i = 0; i < count; i += std::max(1, count / 7)) {
    for (COLORREF under : {RGB(255, 0, 255), RGB(0, 255, 0)}) {
      const auto before = imageColours(set.get(), i, under), after = imageColours(scaled, i, under);
      EXPECT_EQ(imageColours(own, i, under), before) << "picture " << i;
      // Upscaled by half: every pixel shows once or twice more, nothing new.
      std::set<COLORREF> a, b;
      for (auto [c, n] : before) a.insert(c);
      for (auto [c, n] : after) b.insert(c);
      EXPECT_EQ(a, b) << "picture " << i;
      const int shows = before.count(under) ? before.at(under) : 0;
      const int scaledShows = after.count(under) ? after.at(under) : 0;
      EXPECT_GT(shows, 0) << "masked corners, picture " << i;
      EXPECT_GE(scaledShows, shows * 2) << "transparent pixels stay so, picture " << i;
      EXPECT_LE(scaledShows, shows * 3) << "picture " << i;
    }
  }
  EXPECT_EQ(cache.decodes(), 2 * count);
  EXPECT_EQ(cache.imageList(bytes, 144), scaled) << "made once";
  EXPECT_EQ(cache.decodes(), 2 * count);
  EXPECT_FALSE(cache.imageList({}, 144));
  EXPECT_FALSE(cache.imageList(bytes.first(40), 144));
}

class WinDpiChangeTest : public test::ScaleWindowTest {
 protected:
  void SetUp() override {
    openScaleWindow();
    if (HasFatalFailure()) return;
    if (win::windowDpi(window) != 96) GTEST_SKIP() << "this suite runs on a 96-DPI display";
  }
  // What the system sends when the window reaches a display of `dpi`.
  void moveToDisplay(int dpi) {
    RECT suggested{MulDiv(41, dpi, 96), MulDiv(51, dpi, 96), 0, 0};
    SIZE size{};
    ASSERT_TRUE(SendMessageW(window, kGetDpiScaledSize, dpi, reinterpret_cast<LPARAM>(&size)));
    suggested.right = suggested.left + size.cx;
    suggested.bottom = suggested.top + size.cy;
    SendMessageW(window, kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pump(50);
  }
};

TEST_F(WinDpiChangeTest, TakesTheSuggestedRectangleAndPlacesEveryBoxFontAndPictureAtTheNewScale) {
  test::expectScaledBoxes(ui, backend, 96);
  moveToDisplay(144);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, 62);
  EXPECT_EQ(outer.top, 77);
  EXPECT_EQ(outer.right - outer.left, 452);
  EXPECT_EQ(outer.bottom - outer.top, 377);
  EXPECT_EQ(ui.windowLeft(kScaleWin), 41) << "the Ui keeps layout units";
  EXPECT_EQ(ui.windowTop(kScaleWin), 51);
  test::expectScaledBoxes(ui, backend, 144);

  HFONT font = reinterpret_cast<HFONT>(SendMessageW(list(), WM_GETFONT, 0, 0));
  EXPECT_EQ(test::fontHeight(font), -18);
  EXPECT_EQ(font, backend.font(144));
  HWND tip = test::ownedTooltip(backend.windowHandle(kScaleWin));
  EXPECT_EQ(test::fontHeight(reinterpret_cast<HFONT>(SendMessageW(tip, WM_GETFONT, 0, 0))), -18);
  EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 600) << "tips wrap at 400 layout units";
  EXPECT_EQ(ListView_GetColumnWidth(list(), 0), 62);
  EXPECT_EQ(ListView_GetColumnWidth(list(), 1), 35);
  EXPECT_EQ(ListView_GetColumnWidth(list(), 2), 47);
  int iconW = 0, iconH = 0;
  ImageList_GetIconSize(ListView_GetImageList(list(), LVSIL_SMALL), &iconW, &iconH);
  const PictureSetHeader shipped = readPictureSetHeader(assets::listTestChampionIcons.span()).value();
  EXPECT_EQ(iconW, MulDiv(shipped.cx, 144, 96));
  EXPECT_EQ(iconH, MulDiv(shipped.cy, 144, 96));

  const test::WindowPixels pixels = test::screenPixels(window);
  ASSERT_EQ(pixels.width, 452);
  ASSERT_EQ(pixels.height, 377);
  // Logo at layout (5, 5) 16 x 16: now 24 x 24 at (8, 8).
  const auto logo = test::coloursIn(pixels, {8, 8, 32, 32});
  EXPECT_EQ(logo, (std::set<COLORREF>{RGB(0x5F, 0x5F, 0x5F), RGB(0x61, 0x61, 0x61), test::kStripFill}));
  EXPECT_EQ(pixels.at(31, 31), RGB(0x61, 0x61, 0x61));
  EXPECT_EQ(pixels.at(32, 32), test::kStripFill);
}

TEST_F(WinDpiChangeTest, BackAtTheFirstScaleEveryPixelIsAsBefore) {
  const test::WindowPixels before = test::screenPixels(window);
  RECT outer;
  GetWindowRect(window, &outer);
  moveToDisplay(144);
  moveToDisplay(96);
  RECT again;
  GetWindowRect(window, &again);
  EXPECT_TRUE(EqualRect(&outer, &again));
  test::expectScaledBoxes(ui, backend, 96);
  EXPECT_EQ(test::fontHeight(reinterpret_cast<HFONT>(SendMessageW(list(), WM_GETFONT, 0, 0))), -12);
  EXPECT_EQ(ListView_GetColumnWidth(list(), 0), 41);
  const test::WindowPixels after = test::screenPixels(window);
  ASSERT_EQ(after.width, before.width);
  ASSERT_EQ(after.height, before.height);
  EXPECT_TRUE(after.rgb == before.rgb);
}

TEST_F(WinDpiChangeTest, ClicksAndMovesAtTheNewScaleStayInLayoutUnits) {
  moveToDisplay(144);
  int clicks = 0;
  ui.bind({kScaleWin, test::kScaleCoin}, Event::Clicked, [&] { ++clicks; });
  // The coin button: layout (31, 48) to (92, 79), on screen (47, 72) to (138, 119).
  test::postClick(window, {137, 118});
  pump(50);
  EXPECT_EQ(clicks, 1) << "inside the scaled box, outside the layout one";
  test::postClick(window, {138, 100});
  test::postClick(window, {100, 119});
  pump(50);
  EXPECT_EQ(clicks, 1);

  ui.moveWindow(kScaleWin, 100, 60);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, 150);
  EXPECT_EQ(outer.top, 90);
  SetWindowPos(window, nullptr, 301, 151, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  pump(20);
  EXPECT_EQ(ui.windowLeft(kScaleWin), 201) << "301 / 1.5 = 200.67";
  EXPECT_EQ(ui.windowTop(kScaleWin), 101);
}

}  // namespace
}  // namespace vex
