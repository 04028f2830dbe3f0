#include "artwork.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "canvas.h"

namespace vex::tools {

namespace {

// The frame: the program's cost colours as #RRGGBB.
constexpr std::uint32_t kCostFrame[] = {0xFFFFFF, 0x00AF45, 0x2BBDF2, 0x6927A2, 0xFFBD00};

Rgb originFill(const std::string& origin) {
  static const std::map<std::string, std::uint32_t> fills = {
      {"恶魔", 0xA3172F}, {"狂野", 0x7A3B10},   {"忍者", 0x4A4F5A}, {"极地", 0x2C7CC0},
      {"龙", 0xD9601A},   {"机器人", 0x5D7287}, {"虚空", 0x6B1FA0}, {"帝国", 0x5F7012},
      {"贵族", 0xB58E12}, {"海盗", 0x0E6273},   {"暗影", 0x241A5E}, {"约德尔人", 0xC2458E},
      {"浪人", 0x22936A},
  };
  auto it = fills.find(origin);
  if (it == fills.end()) throw std::runtime_error("origin without a colour");
  return fromHex(it->second);
}

// Base items 1..8: attack red, speed orange, power violet, mana blue,
// health gold, armour grey, resist teal, spatula brown.
constexpr std::uint32_t kBaseColour[] = {0xC62E2E, 0xE8801C, 0x8C3FB5, 0x2A86D1,
                                         0xD9A514, 0x7D8B8E, 0x139C86, 0x7A5230};

const Rgb kInk = fromHex(0x1A1A1A);
const Rgb kWhite = fromHex(0xFFFFFF);

// Long names keep their first two and last two characters.
std::u32string portraitText(const std::u32string& name) {
  if (name.size() <= 4) return name;
  return name.substr(0, 2) + name.substr(name.size() - 2);
}

void centredLine(Canvas& c, const GlyphSource& font, std::u32string line, int px, float bold, float cy,
                 float cell) {
  const float width = cell * static_cast<float>(line.size());
  float x = (c.size() - width) / 2 + cell / 2;
  for (char32_t ch : line) {
    c.text(font.render(ch, px, bold), x, cy, kWhite, kInk, 0.85f);
    x += cell;
  }
}

}  // namespace

char32_t iconCharacter(const std::vector<ChampionLook>& all, std::size_t index) {
  const ChampionLook& me = all[index];
  std::size_t shared = 0;
  for (std::size_t k = 0; k < all.size(); ++k) {
    const ChampionLook& other = all[k];
    if (k == index || other.cost != me.cost || other.origin != me.origin || other.name[0] != me.name[0])
      continue;
    std::size_t prefix = 0;
    while (prefix < me.name.size() && prefix < other.name.size() && me.name[prefix] == other.name[prefix])
      ++prefix;
    shared = std::max(shared, prefix);
  }
  return me.name[std::min(shared, me.name.size() - 1)];
}

Tile championTile(const GlyphSource& font, const ChampionLook& look, int size) {
  const float s = static_cast<float>(size);
  Canvas c(size);
  const bool small = size < 30;
  const float frame = small ? 2.0f : 3.0f;
  const float radius = small ? 3.0f : 6.0f;
  const Shape outline = roundedSquare(0, s, radius);
  c.fill(outline, kInk);
  c.fill(roundedSquare(1, s, radius - 1), fromHex(kCostFrame[look.cost - 1]));
  c.fill(roundedSquare(1 + frame, s, radius - 1 - frame / 2), kInk);
  c.fill(roundedSquare(2 + frame, s, radius - 2 - frame / 2), originFill(look.origin));

  if (small) {
    c.text(font.render(look.iconCharacter ? look.iconCharacter : look.name[0], 14, 0.3f), s / 2, s / 2,
           kWhite, kInk, 0.9f);
  } else {
    const std::u32string text = portraitText(look.name);
    const std::u32string top = text.substr(0, 2);
    const std::u32string bottom = text.size() > 2 ? text.substr(2) : std::u32string();
    if (bottom.empty()) {
      centredLine(c, font, top, 17, 0.4f, s / 2, 17);
    } else {
      centredLine(c, font, top, 16, 0.35f, s / 2 - 8.5f, 16);
      centredLine(c, font, bottom, 16, 0.35f, s / 2 + 8.5f, 16);
    }
  }
  return c.finish(outline);
}

Tile itemTile(const GlyphSource& font, const ItemLook& look, int size) {
  const float s = static_cast<float>(size);
  const bool small = size < 30;
  Canvas c(size);
  if (look.number <= 8) {
    // Base items are round.
    const Shape outline = disc(s / 2, s / 2, s / 2);
    const Rgb colour = fromHex(kBaseColour[look.number - 1]);
    c.fill(outline, kInk);
    c.fill(disc(s / 2, s / 2, s / 2 - 1), kWhite);
    c.fill(disc(s / 2, s / 2, s / 2 - (small ? 2.0f : 2.5f)), colour);
    c.text(font.render(look.name[0], small ? 13 : 18, small ? 0.3f : 0.5f), s / 2, s / 2, kWhite, kInk, 0.9f);
    return c.finish(outline);
  }
  // Combined items are square; the frame is split along the diagonal into
  // the colours of the first and second component.
  const float frame = small ? 2.0f : 3.0f;
  const Shape outline = roundedSquare(0, s, small ? 2.0f : 3.0f);
  const Rgb first = fromHex(kBaseColour[look.firstComponent - 1]);
  const Rgb second = fromHex(kBaseColour[look.secondComponent - 1]);
  c.fill(outline, kInk);
  c.fill(roundedSquare(1, s, 1.5f), first, [&](int x, int y) { return x + y < size - 1; });
  c.fill(roundedSquare(1, s, 1.5f), second, [&](int x, int y) { return x + y >= size - 1; });
  c.fill(roundedSquare(1 + frame, s, 1), kInk);
  c.fill(roundedSquare(2 + frame, s, 1), fromHex(0x2B2D3A));
  if (small) {
    c.text(font.render(look.name[0], 13, 0.3f), s / 2, s / 2, kWhite, kInk, 0.9f);
  } else {
    c.text(font.render(look.name[0], 17, 0.45f), s / 2, s / 2, kWhite, kInk, 0.9f);
  }
  return c.finish(outline);
}

}  // namespace vex::tools
