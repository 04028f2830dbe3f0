// The platform's own image-list reader accepts each compiled-in set, and
// draws the same pictures that pictureOf composes.
#include <windows.h>
// objbase.h first: commctrl.h declares ImageList_Read only once IStream is known.
#include <objbase.h>
// clang-format off
#include <commctrl.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "../support/platform_image_list.h"
#include "data/game_tables.h"
#include "tables_fixture.h"

namespace vex {
namespace {

struct DeleteDc {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteBitmap {
  void operator()(HBITMAP b) const { DeleteObject(b); }
};

// Picture `index` as the image list draws it onto white, 0xRRGGBB per pixel, top row first.
std::vector<std::uint32_t> drawnByImageList(_IMAGELIST* list, int index, int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDc> dc(CreateCompatibleDC(nullptr));
  std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteBitmap> bitmap(
      CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  HGDIOBJ old = SelectObject(dc.get(), bitmap.get());
  ImageList_SetBkColor(list, RGB(255, 255, 255));
  ImageList_Draw(list, index, dc.get(), 0, 0, ILD_NORMAL);
  GdiFlush();
  std::vector<std::uint32_t> out(static_cast<std::size_t>(size * size));
  const auto* px = static_cast<const std::uint32_t*>(bits);
  for (std::size_t k = 0; k < out.size(); ++k) out[k] = px[k] & 0xFFFFFF;
  SelectObject(dc.get(), old);
  return out;
}

std::vector<std::uint32_t> composedByPictureOf(std::span<const std::uint8_t> set, int index, int size) {
  const Bytes bmp = pictureOf(set, index);
  std::vector<std::uint32_t> out(static_cast<std::size_t>(size * size));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const std::uint8_t* p = &bmp[54 + (static_cast<std::size_t>(size - 1 - y) * size + x) * 4];
      out[static_cast<std::size_t>(y * size + x)] = p[2] << 16 | p[1] << 8 | p[0];
    }
  }
  return out;
}

struct SetCase {
  const char* name;
  std::span<const std::uint8_t> bytes;
  int count, size;
};

std::vector<SetCase> sets() {
  const GameTables& t = test::loadedTables();
  return {{"portraits", t.champions.portraits, 51, 43},
          {"champion icons", t.champions.icons, 51, 20},
          {"item pictures", t.items.pictures, 44, 30},
          {"item icons", t.items.icons, 44, 20}};
}

TEST(ImageListRead, AcceptsEverySetWithItsCountAndSize) {
  for (const SetCase& s : sets()) {
    SCOPED_TRACE(s.name);
    const win::UniqueImageList list = test::readByPlatform(s.bytes);
    ASSERT_TRUE(list);
    EXPECT_EQ(ImageList_GetImageCount(list.get()), s.count);
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list.get(), &cx, &cy));
    EXPECT_EQ(cx, s.size);
    EXPECT_EQ(cy, s.size);
  }
}

TEST(ImageListRead, DrawsWhatPictureOfComposes) {
  for (const SetCase& s : sets()) {
    SCOPED_TRACE(s.name);
    const win::UniqueImageList list = test::readByPlatform(s.bytes);
    ASSERT_TRUE(list);
    for (int i : {0, s.count / 2, s.count - 1}) {
      EXPECT_EQ(drawnByImageList(list.get(), i, s.size), composedByPictureOf(s.bytes, i, s.size)) << i;
    }
  }
}

}  // namespace
}  // namespace vex
