#include "data/lineup_table.h"

namespace vex {

int lineupCount(const LineupTable& table) { return table.ids.count(); }

}  // namespace vex
