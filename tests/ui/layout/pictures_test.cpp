// The embedded pictures: their formats and pixel sizes as the file headers
// state them, which controls carry them, and how each is fitted.
#include <string>

#include "layout_test_support.h"
#include "toolkit/pictures/picture_decode.h"

namespace vex::test {
namespace {

using namespace layout;

bool isPng(const Bytes& b) { return b.size() > 8 && b[0] == 0x89 && b[1] == 'P'; }
bool isJpeg(const Bytes& b) {
  return b.size() > 4 && b[0] == 0xFF && b[1] == 0xD8 && b[b.size() - 2] == 0xFF && b.back() == 0xD9;
}

struct PictureRow {
  std::int32_t window;
  std::string name;
  PictureSize resting;
  PictureSize hover;  // {0, 0}: no hover picture
  PictureFit fit;
  bool jpeg;
};

std::vector<PictureRow> pictureRows() {
  std::vector<PictureRow> rows;
  for (const WindowLayout* w : allLayouts()) {
    rows.push_back({w->id, "关闭按钮", {40, 24}, {40, 24}, PictureFit::Centre, false});
    if (findControl(*w, controlNamed(w->id, "最小化按钮").control))
      rows.push_back({w->id, "最小化按钮", {40, 24}, {40, 24}, PictureFit::Centre, false});
  }
  for (int k = 1; k <= 5; ++k)
    rows.push_back({kMainWindow, "图片框" + std::to_string(k), {15, 15}, {}, PictureFit::Centre, false});
  for (int k = 1; k <= 10; ++k)
    rows.push_back({kLineupWindow, "图片框" + std::to_string(k), {11, 11}, {}, PictureFit::Stretch, false});
  for (int k = 1; k <= 5; ++k)
    rows.push_back(
        {kLineupWindow, "花费列表按钮" + std::to_string(k), {12, 12}, {}, PictureFit::Centre, false});
  rows.push_back({kItemChartWindow, "装备1", {30, 30}, {}, PictureFit::Centre, false});
  rows.push_back({kDonateWindow, "支付宝", {120, 180}, {}, PictureFit::Stretch, true});
  rows.push_back({kDonateWindow, "微信", {120, 163}, {}, PictureFit::Stretch, true});
  return rows;
}

TEST(Pictures, EachPictureHasItsStatedSizeFormatAndFit) {
  const std::vector<PictureRow> rows = pictureRows();
  EXPECT_EQ(rows.size(), 8u + 3u + 5u + 10u + 5u + 1u + 2u);
  for (const PictureRow& row : rows) {
    SCOPED_TRACE(row.name);
    const ControlState* c = findControl(*layoutOf(row.window), controlNamed(row.window, row.name).control);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(pictureSize(c->picture), row.resting);
    EXPECT_EQ(row.jpeg ? isJpeg(c->picture) : isPng(c->picture), true);
    if (row.hover == PictureSize{}) {
      EXPECT_TRUE(c->hoverPicture.empty());
    } else {
      EXPECT_EQ(pictureSize(c->hoverPicture), row.hover);
      EXPECT_NE(c->hoverPicture, c->picture);
    }
    EXPECT_EQ(c->fit, row.fit);
  }
}

TEST(Pictures, NoOtherControlCarriesAPicture) {
  const std::vector<PictureRow> rows = pictureRows();
  for (const WindowLayout* w : allLayouts())
    for (const ControlState& c : w->controls) {
      bool listed = c.name == "LOGO";
      for (const PictureRow& row : rows) listed = listed || (row.window == w->id && row.name == c.name);
      if (listed) continue;
      EXPECT_TRUE(c.picture.empty()) << c.name;
      EXPECT_TRUE(c.hoverPicture.empty()) << c.name;
      EXPECT_EQ(c.fit, PictureFit::Centre) << c.name;
    }
}

TEST(Pictures, CloseAndMinimisePairsAreSharedAcrossWindows) {
  const ControlState& close = *findControl(mainWindowLayout(), main_window::关闭按钮);
  const ControlState& minimise = *findControl(mainWindowLayout(), main_window::最小化按钮);
  EXPECT_NE(close.picture, minimise.picture);
  for (const WindowLayout* w : allLayouts()) {
    const ControlState* c = findControl(*w, controlNamed(w->id, "关闭按钮").control);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->picture, close.picture);
    EXPECT_EQ(c->hoverPicture, close.hoverPicture);
    EXPECT_TRUE(c->caption.empty());
  }
}

TEST(Pictures, LogoIsOne32BitIconOf1150Bytes) {
  const Bytes& logo = findControl(mainWindowLayout(), main_window::LOGO)->picture;
  ASSERT_EQ(logo.size(), 1150u);
  EXPECT_EQ(pictureSize(logo), (PictureSize{16, 16}));
  EXPECT_EQ(logo[4], 1);                                // one image
  EXPECT_EQ(logo[6], 16);                               // width in the directory entry
  EXPECT_EQ(logo[7], 16);                               // height
  EXPECT_EQ(logo[12], 32);                              // bits per pixel
  EXPECT_EQ(logo[14] | logo[15] << 8, 40 + 1024 + 64);  // bytes in the image
  EXPECT_EQ(logo[18], 22);                              // image offset
  EXPECT_EQ(logo[22 + 14], 32);
  for (const WindowLayout* w : allLayouts()) {
    const ControlState* c = findControl(*w, controlNamed(w->id, "LOGO").control);
    ASSERT_NE(c, nullptr) << w->caption;
    EXPECT_EQ(c->kind, ControlKind::PicBox);
    EXPECT_EQ(c->picture, logo);
  }
}

TEST(Pictures, SizeReaderRejectsCutHeaders) {
  const Bytes& png = findControl(lineupWindowLayout(), lineup_window::图片框1)->picture;
  EXPECT_EQ(pictureSize(Bytes(png.begin(), png.begin() + 20)), std::nullopt);
  EXPECT_EQ(pictureSize(Bytes{0xFF, 0xD8, 0xFF}), std::nullopt);
  EXPECT_EQ(pictureSize(Bytes{}), std::nullopt);
}

std::uint32_t channel(std::uint32_t argb, int shift) { return (argb >> shift) & 0xFF; }
bool isLight(std::uint32_t argb) {
  return channel(argb, 16) > 0xD0 && channel(argb, 8) > 0xD0 && channel(argb, 0) > 0xD0;
}
bool isDark(std::uint32_t argb) {
  return channel(argb, 16) < 0x40 && channel(argb, 8) < 0x40 && channel(argb, 0) < 0x50;
}

TEST(Pictures, DecodedArtworkLooksAsDescribed) {
  const ControlState& close = *findControl(mainWindowLayout(), main_window::关闭按钮);
  const ControlState& minimise = *findControl(mainWindowLayout(), main_window::最小化按钮);
  const DecodedPicture closeRest = decodePicture(close.picture),
                       closeHover = decodePicture(close.hoverPicture);
  const DecodedPicture minRest = decodePicture(minimise.picture),
                       minHover = decodePicture(minimise.hoverPicture);
  for (const DecodedPicture* p : {&closeRest, &closeHover, &minRest, &minHover}) {
    ASSERT_EQ(p->width, 40);
    ASSERT_EQ(p->height, 24);
  }
  // Resting: a light glyph on the title-strip colour; the glyphs cross or sit at the centre.
  EXPECT_EQ(closeRest.pixel(0, 0), 0xFF171C25u);
  EXPECT_TRUE(isLight(closeRest.pixel(20, 12)));
  EXPECT_EQ(minRest.pixel(0, 0), 0xFF171C25u);
  EXPECT_TRUE(isLight(minRest.pixel(20, 12)));
  EXPECT_EQ(minRest.pixel(20, 8), 0xFF171C25u);  // a dash, not an X
  // Hover: a white X on red, a dark dash on light grey.
  EXPECT_GT(channel(closeHover.pixel(0, 0), 16), 0xC0u);
  EXPECT_LT(channel(closeHover.pixel(0, 0), 8), 0x60u);
  EXPECT_EQ(closeHover.pixel(20, 12), 0xFFFFFFFFu);
  EXPECT_TRUE(isLight(minHover.pixel(0, 0)));
  EXPECT_TRUE(isDark(minHover.pixel(20, 12)));

  const DecodedPicture logo = decodePicture(findControl(mainWindowLayout(), main_window::LOGO)->picture);
  ASSERT_EQ(logo.width, 16);
  EXPECT_EQ(logo.pixel(0, 0) >> 24, 0u);  // rounded corners stay transparent
  EXPECT_EQ(logo.pixel(8, 2) >> 24, 0xFFu);

  const DecodedPicture slot =
      decodePicture(findControl(lineupWindowLayout(), lineup_window::图片框1)->picture);
  ASSERT_EQ(slot.width, 11);
  EXPECT_TRUE(isLight(slot.pixel(9, 1)));
  EXPECT_TRUE(isDark(slot.pixel(5, 5)));  // the diagonal

  for (std::int32_t id : {donate_window::支付宝, donate_window::微信}) {
    const ControlState& c = *findControl(donateWindowLayout(), id);
    const DecodedPicture card = decodePicture(c.picture);
    EXPECT_EQ((PictureSize{card.width, card.height}), pictureSize(c.picture)) << c.name;
  }
}

}  // namespace
}  // namespace vex::test
