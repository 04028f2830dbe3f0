#include "data/game_tables.h"

namespace vex {

void loadGameTables(GameTables& tables) {
  loadChampionTable(tables.champions);
  loadCostColours(tables.costColours);
  loadItemTable(tables.items);
  loadLineupTable(tables.lineups);
}

Colour costColourOf(const GameTables& tables, int champion) {
  return tables.costColours[tables.champions.costs[champion]];
}

}  // namespace vex
