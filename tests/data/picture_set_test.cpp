// The four compiled-in picture sets: their byte format, and taking one
// picture out of a set, including malformed sets.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "data/game_tables.h"
#include "data/picture_assets.h"
#include "tables_fixture.h"

namespace vex {
namespace {

std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
  return u16(b, at) | static_cast<std::uint32_t>(u16(b, at + 2)) << 16;
}

struct SetCase {
  const char* name;
  std::span<const std::uint8_t> bytes;
  int count, capacity, cx;
  std::uint16_t flags;
  std::size_t length;
  int stripWidth, stripHeight;
};

std::vector<SetCase> sets() {
  const GameTables& t = test::loadedTables();
  return {
      {"portraits", t.champions.portraits, 51, 56, 43, 0x1021, 428798, 172, 602},
      {"champion icons", t.champions.icons, 51, 56, 20, 0x0021, 93112, 80, 280},
      {"item pictures", t.items.pictures, 44, 46, 30, 0x0021, 178712, 120, 360},
      {"item icons", t.items.icons, 44, 46, 20, 0x1021, 79854, 80, 240},
  };
}

// A decoded BMP result: 32-bit, bottom-up, as pictureOf writes it.
struct Picture {
  int width = 0, height = 0;
  Bytes bytes;
  std::uint32_t rgbAt(int x, int y) const {  // 0xRRGGBB, y from the top
    const std::size_t at = 54 + (static_cast<std::size_t>(height - 1 - y) * width + x) * 4;
    return bytes[at + 2] << 16 | bytes[at + 1] << 8 | bytes[at];
  }
};

Picture decode(const Bytes& bmp) {
  Picture p;
  if (bmp.size() < 54) return p;
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(u32(bmp, 2), bmp.size());
  EXPECT_EQ(u32(bmp, 10), 54u);
  EXPECT_EQ(u16(bmp, 28), 32);
  p.width = static_cast<int>(u32(bmp, 18));
  p.height = static_cast<int>(u32(bmp, 22));
  EXPECT_EQ(bmp.size(), 54u + 4u * p.width * p.height);
  p.bytes = bmp;
  return p;
}

TEST(PictureSetFormat, LengthsAndStreamHeaders) {
  for (const SetCase& s : sets()) {
    SCOPED_TRACE(s.name);
    ASSERT_EQ(s.bytes.size(), s.length);
    EXPECT_EQ(std::memcmp(s.bytes.data(), "MITL", 4), 0);
    EXPECT_EQ(u32(s.bytes, 4), 0xFF000000u);
    EXPECT_EQ(u16(s.bytes, 8), 0x4C49);
    EXPECT_EQ(u16(s.bytes, 10), 0x0101);
    EXPECT_EQ(u16(s.bytes, 12), s.count);
    EXPECT_EQ(u16(s.bytes, 14), s.capacity);
    EXPECT_EQ(u16(s.bytes, 16), 4);
    EXPECT_EQ(u16(s.bytes, 18), s.cx);
    EXPECT_EQ(u16(s.bytes, 20), s.cx);
    EXPECT_EQ(u32(s.bytes, 22), 0x00FFFFFFu);
    EXPECT_EQ(u16(s.bytes, 26), s.flags);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(u16(s.bytes, 28 + 2 * k), 0xFFFF);

    const std::optional<PictureSetHeader> h = readPictureSetHeader(s.bytes);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->count, s.count);
    EXPECT_EQ(h->capacity, s.capacity);
    EXPECT_EQ(h->cx, s.cx);
    EXPECT_EQ(h->flags, s.flags);
  }
}

TEST(PictureSetFormat, TablesReadTheProgramsOwnBytesWhereTheyAre) {
  const GameTables& t = test::loadedTables();
  EXPECT_EQ(t.champions.portraits.data(), assets::championPortraits.data);
  EXPECT_EQ(t.champions.icons.data(), assets::championIcons.data);
  EXPECT_EQ(t.items.pictures.data(), assets::itemPictures.data);
  EXPECT_EQ(t.items.icons.data(), assets::itemIcons.data);
}

TEST(PictureSetFormat, StripHeadersWithTheirQuirks) {
  for (const SetCase& s : sets()) {
    SCOPED_TRACE(s.name);
    const std::size_t colour = 36;
    EXPECT_EQ(u16(s.bytes, colour), 0x4D42);   // "BM"
    EXPECT_EQ(u32(s.bytes, colour + 2), 54u);  // header length only
    EXPECT_EQ(u32(s.bytes, colour + 10), 54u);
    EXPECT_EQ(u32(s.bytes, colour + 14), 40u);
    EXPECT_EQ(u32(s.bytes, colour + 18), static_cast<std::uint32_t>(s.stripWidth));
    EXPECT_EQ(u32(s.bytes, colour + 22), static_cast<std::uint32_t>(s.stripHeight));
    EXPECT_EQ(u16(s.bytes, colour + 26), 1);
    EXPECT_EQ(u16(s.bytes, colour + 28), 32);
    EXPECT_EQ(u32(s.bytes, colour + 30), 0u);
    const std::uint32_t image = 4u * s.stripWidth * s.stripHeight;
    EXPECT_EQ(u32(s.bytes, colour + 34), image);

    const std::size_t mask = colour + 54 + image;
    const std::uint32_t row = (s.stripWidth + 31) / 32 * 4;
    EXPECT_EQ(u16(s.bytes, mask), 0x4D42);
    EXPECT_EQ(u32(s.bytes, mask + 2), 62u);
    EXPECT_EQ(u32(s.bytes, mask + 10), 62u);
    EXPECT_EQ(u16(s.bytes, mask + 28), 1);
    EXPECT_EQ(u32(s.bytes, mask + 34), row * s.stripHeight);
    EXPECT_EQ(u32(s.bytes, mask + 54), 0x00000000u);
    EXPECT_EQ(u32(s.bytes, mask + 58), 0x00FFFFFFu);

    const std::size_t end = mask + 62 + row * s.stripHeight;
    EXPECT_EQ(s.bytes.size() - end, s.flags == 0x1021 ? 22u : 0u);
    for (std::size_t k = end; k < s.bytes.size(); ++k) EXPECT_EQ(s.bytes[k], 0);
  }
}

TEST(PictureSetFormat, SlotsPastTheLastPictureAreZero) {
  for (const SetCase& s : sets()) {
    SCOPED_TRACE(s.name);
    const std::size_t pixels = 36 + 54;
    for (int i = s.count; i < s.capacity; ++i) {
      const int x0 = (i % 4) * s.cx, y0 = (i / 4) * s.cx;
      for (int y = y0; y < y0 + s.cx; ++y) {
        const std::size_t row = pixels + static_cast<std::size_t>(s.stripHeight - 1 - y) * s.stripWidth * 4;
        for (int x = x0 * 4; x < (x0 + s.cx) * 4; ++x) ASSERT_EQ(s.bytes[row + x], 0) << i;
      }
    }
  }
}

TEST(PictureOf, EveryPictureDecodesToItsSizeAndDiffersFromTheOthers) {
  for (const SetCase& s : sets()) {
    SCOPED_TRACE(s.name);
    std::set<std::string> seen;
    for (int i = 0; i < s.count; ++i) {
      const Picture p = decode(pictureOf(s.bytes, i));
      ASSERT_EQ(p.width, s.cx) << i;
      ASSERT_EQ(p.height, s.cx) << i;
      std::set<std::uint32_t> colours;
      for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) colours.insert(p.rgbAt(x, y));
      }
      EXPECT_GT(colours.size(), 4u) << "picture " << i << " is nearly blank";
      EXPECT_TRUE(seen.insert(std::string(p.bytes.begin(), p.bytes.end())).second)
          << "picture " << i << " repeats another";
    }
  }
}

TEST(PictureOf, PortraitIndexRange) {
  const std::span<const std::uint8_t> portraits = test::loadedTables().champions.portraits;
  EXPECT_EQ(decode(pictureOf(portraits, 0)).width, 43);
  EXPECT_EQ(decode(pictureOf(portraits, 50)).width, 43);
  EXPECT_TRUE(pictureOf(portraits, 51).empty());  // an empty slot within the capacity
  EXPECT_TRUE(pictureOf(portraits, 55).empty());
  EXPECT_TRUE(pictureOf(portraits, 56).empty());
  EXPECT_TRUE(pictureOf(portraits, -1).empty());
  EXPECT_TRUE(pictureOf(portraits, 1 << 30).empty());
}

TEST(PictureOf, TransparentCornersShowTheBackground) {
  const std::span<const std::uint8_t> portraits = test::loadedTables().champions.portraits;
  const Picture white = decode(pictureOf(portraits, 0));
  EXPECT_EQ(white.rgbAt(0, 0), 0xFFFFFFu);
  const Picture pink = decode(pictureOf(portraits, 0, rgb(0xFF00FF)));
  EXPECT_EQ(pink.rgbAt(0, 0), 0xFF00FFu);
  EXPECT_EQ(pink.rgbAt(42, 42), 0xFF00FFu);
  EXPECT_EQ(pink.rgbAt(21, 21), white.rgbAt(21, 21));  // opaque inside
  // Every byte of alpha in the result is opaque.
  for (std::size_t k = 54 + 3; k < white.bytes.size(); k += 4) ASSERT_EQ(white.bytes[k], 255);
}

TEST(PictureOf, MalformedSetsGiveNothing) {
  const PictureSet shipped = test::loadedTables().champions.portraits;
  const Bytes portraits(shipped.begin(), shipped.end());
  EXPECT_TRUE(pictureOf({}, 0).empty());
  EXPECT_TRUE(pictureOf(std::span(portraits).first(8), 0).empty());
  EXPECT_TRUE(pictureOf(std::span(portraits).first(9), 0).empty());

  Bytes reversed = portraits;
  std::memcpy(reversed.data(), "LTIM", 4);
  EXPECT_TRUE(pictureOf(reversed, 0).empty());
  EXPECT_TRUE(imageListStream(reversed).empty());

  Bytes badStream = portraits;
  badStream[8] = 'X';
  EXPECT_TRUE(pictureOf(badStream, 0).empty());

  Bytes badVersion = portraits;
  badVersion[10] = 0x02;
  EXPECT_TRUE(pictureOf(badVersion, 0).empty());
}

TEST(PictureOf, TruncatedStreamGivesNothing) {
  const PictureSet shipped = test::loadedTables().champions.portraits;
  const Bytes portraits(shipped.begin(), shipped.end());
  const std::size_t maskEnd = portraits.size() - 22;
  // Any cut inside the header or either strip makes the set unreadable; the
  // trailing zero bytes are not needed.
  for (std::size_t cut : {std::size_t{20}, std::size_t{36}, std::size_t{36 + 53}, std::size_t{36 + 54 + 1000},
                          maskEnd - 14510 + 10, maskEnd - 1}) {
    EXPECT_TRUE(pictureOf(std::span(portraits).first(cut), 0).empty()) << cut;
  }
  EXPECT_FALSE(pictureOf(std::span(portraits).first(maskEnd), 0).empty());
}

TEST(PictureOf, CountBeyondTheStripGivesNothing) {
  const PictureSet shipped = test::loadedTables().champions.icons;
  Bytes set(shipped.begin(), shipped.end());
  set[12] = 0xFF;  // claims 255 pictures in a strip of 56 slots
  set[13] = 0x00;
  EXPECT_FALSE(pictureOf(set, 50).empty());
  EXPECT_TRUE(pictureOf(set, 56).empty());
  EXPECT_TRUE(pictureOf(set, 254).empty());
}

TEST(PictureOf, SetWithoutMaskUsesAlphaAlone) {
  const PictureSet shipped = test::loadedTables().champions.icons;
  Bytes set(shipped.begin(), shipped.end());
  set[26] = 0x20;  // flags: colour only
  const Picture p = decode(pictureOf(set, 0));
  ASSERT_EQ(p.width, 20);
  EXPECT_EQ(p.rgbAt(0, 0), 0xFFFFFFu);
}

}  // namespace
}  // namespace vex

namespace vex {
namespace {

// What a player reads off the pictures: the cost colour as the frame of a
// champion, round base items, square combined items.
TEST(Artwork, ChampionFramesTakeTheCostColour) {
  const GameTables& t = test::loadedTables();
  for (int n = 1; n <= championCount(t.champions); ++n) {
    const std::uint32_t frame = rgb(costColourOf(t, n));  // as 0xRRGGBB
    const Picture portrait = decode(pictureOf(t.champions.portraits, n - 1));
    EXPECT_EQ(portrait.rgbAt(2, 21), frame) << "champion " << n;
    EXPECT_EQ(portrait.rgbAt(21, 40), frame) << "champion " << n;
    const Picture icon = decode(pictureOf(t.champions.icons, n - 1));
    EXPECT_EQ(icon.rgbAt(1, 10), frame) << "champion " << n;
    EXPECT_EQ(icon.rgbAt(10, 18), frame) << "champion " << n;
  }
}

TEST(Artwork, BaseItemsRoundCombinedItemsSquare) {
  const ItemTable& items = test::loadedTables().items;
  for (int n = 1; n <= itemCount(items); ++n) {
    const bool base = items.components[n].empty();
    const Picture picture = decode(pictureOf(items.pictures, n - 1));
    const Picture icon = decode(pictureOf(items.icons, n - 1));
    EXPECT_EQ(picture.rgbAt(3, 3) == 0xFFFFFF, base) << "item " << n;
    EXPECT_EQ(icon.rgbAt(2, 2) == 0xFFFFFF, base) << "item " << n;
  }
}

}  // namespace
}  // namespace vex
