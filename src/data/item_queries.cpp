#include "data/item_table.h"

namespace vex {

int itemCount(const ItemTable& table) { return table.names.count(); }

bool isItem(const ItemTable& table, int t) { return t >= 1 && t <= itemCount(table); }

std::string itemTooltip(const ItemTable& table, int item) {
  return table.names[item] + "：" + table.effects[item];
}

}  // namespace vex
