#include "data/item_table.h"

namespace vex {

int itemCount(const ItemTable& table) { return table.names.count(); }

std::string itemTooltip(const ItemTable& table, int item) {
  return table.names[item] + "：" + table.effects[item];
}

}  // namespace vex
