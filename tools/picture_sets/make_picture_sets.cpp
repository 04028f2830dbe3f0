// Generates the four picture sets under assets/pictures from the game
// tables, the contact sheet the README shows, and, given a review folder,
// magnified sheets to check the artwork by eye:
//   make_picture_sets <font.ttc> <assets/pictures> <docs/picture-sets.png> [review dir]
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "artwork.h"
#include "contact_sheet.h"
#include "data/game_tables.h"
#include "picture_set_writer.h"

namespace {

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
  std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) try {
  using namespace vex::tools;
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: %s FONT ASSET_DIR SHEET_PNG [REVIEW_DIR]\n", argv[0]);
    return 2;
  }
  const GlyphSource font(argv[1]);
  const std::string assets = argv[2], sheet = argv[3];
  vex::GameTables tables;
  vex::loadGameTables(tables);

  std::vector<Tile> portraits, championIcons, itemPictures, itemIcons;
  const vex::ChampionTable& ch = tables.champions;
  std::vector<ChampionLook> looks;
  for (int n = 1; n <= vex::championCount(ch); ++n)
    looks.push_back({fromGbk(ch.names[n]), ch.costs[n], ch.origins[n]});
  for (std::size_t k = 0; k < looks.size(); ++k) looks[k].iconCharacter = iconCharacter(looks, k);
  for (const ChampionLook& look : looks) {
    portraits.push_back(championTile(font, look, 43));
    championIcons.push_back(championTile(font, look, 20));
  }
  const vex::ItemTable& it = tables.items;
  for (int n = 1; n <= vex::itemCount(it); ++n) {
    ItemLook look{fromGbk(it.names[n]), n, 0, 0};
    if (it.components[n].count() == 2) {
      look.firstComponent = it.components[n][1];
      look.secondComponent = it.components[n][2];
    }
    itemPictures.push_back(itemTile(font, look, 30));
    itemIcons.push_back(itemTile(font, look, 20));
  }

  writeFile(assets + "/champion_portraits.bin", writePictureSet(portraits, 43, 56, true));
  writeFile(assets + "/champion_icons.bin", writePictureSet(championIcons, 20, 56, false));
  writeFile(assets + "/item_pictures.bin", writePictureSet(itemPictures, 30, 46, false));
  writeFile(assets + "/item_icons.bin", writePictureSet(itemIcons, 20, 46, true));

  const std::vector<SheetRow> all = {
      {portraits, 13}, {championIcons, 13}, {itemPictures, 11}, {itemIcons, 11}};
  writeContactSheet(sheet, all, 2, 0xFFFFFF);
  if (argc == 5) {
    // Actual size on white as the program shows them; magnified on grey
    // so the transparent pixels show.
    const std::string review = argv[4];
    writeContactSheet(review + "/actual-size.png", all, 1, 0xFFFFFF);
    writeContactSheet(review + "/champions-x4.png", {{portraits, 13}, {championIcons, 13}}, 4, 0x808080);
    writeContactSheet(review + "/items-x4.png", {{itemPictures, 11}, {itemIcons, 11}}, 4, 0x808080);
  }
  return 0;
} catch (const std::exception& e) {
  std::fprintf(stderr, "make_picture_sets: %s\n", e.what());
  return 1;
}
