// The 44 items (8 base, 36 combined) with their recipes and pictures.
#pragma once
#include "data/table_types.h"

namespace vex {

inline constexpr int kBaseItemCount = 8;

struct ItemTable {
  TextList names = placeholderTexts();
  TextList effects = placeholderTexts();
  PictureSet pictures = placeholderPictures();  // picture set, 30 x 30
  PictureSet icons = placeholderPictures();     // picture set, 20 x 20
  NumberLists components = placeholderLists();  // empty or two base items
  TextList ratings = placeholderTexts();        // "T1" to "T5" or "待定"
};

void loadItemTable(ItemTable& table);

int itemCount(const ItemTable& table);
// Whether t numbers an item of the table.
bool isItem(const ItemTable& table, int t);

// names[item] + "：" + effects[item], nothing between.
std::string itemTooltip(const ItemTable& table, int item);

}  // namespace vex
