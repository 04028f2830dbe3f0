// Our champion and item pictures: the cost colour as a frame, a fill per
// origin, the name's leading characters; round base items, framed combined
// items whose frame halves take the colours of their two components.
#pragma once
#include <string>
#include <vector>

#include "glyphs.h"
#include "picture_set_writer.h"

namespace vex::tools {

struct ChampionLook {
  std::u32string name;
  int cost = 1;
  std::string origin;          // GBK, as in the table
  char32_t iconCharacter = 0;  // the one character a 20 x 20 icon has room for
};

// The first character of the name, unless another champion of the same
// cost and origin shares it: then the first character that tells them apart.
char32_t iconCharacter(const std::vector<ChampionLook>& all, std::size_t index);

struct ItemLook {
  std::u32string name;
  int number = 1;  // 1..8 are base items
  int firstComponent = 0, secondComponent = 0;
};

Tile championTile(const GlyphSource& font, const ChampionLook& look, int size);
Tile itemTile(const GlyphSource& font, const ItemLook& look, int size);

}  // namespace vex::tools
