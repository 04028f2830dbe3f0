#include "data/lineup_table.h"

namespace vex {

int lineupCount(const LineupTable& table) { return table.ids.count(); }

bool isLineup(const LineupTable& table, int k) { return k >= 1 && k <= lineupCount(table); }

}  // namespace vex
