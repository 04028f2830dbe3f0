// The game tables loaded once for the data tests.
#pragma once
#include "data/game_tables.h"

namespace vex::test {

inline const GameTables& loadedTables() {
  static const GameTables loaded = [] {
    GameTables t;
    loadGameTables(t);
    loadChartVariants(t.charts);
    return t;
  }();
  return loaded;
}

}  // namespace vex::test
