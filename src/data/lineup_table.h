// The 83 recommended lineups.
#pragma once
#include "data/table_types.h"

namespace vex {

inline constexpr int kLineupRows = 83;

struct LineupTable {
  NumberList ids = placeholderNumbers();  // ids[k] == k
  TextList names = placeholderTexts();
  TextList ratings = placeholderTexts();  // "T1" to "T3"
  TextList authors = placeholderTexts();
  NumberLists finalBoard = placeholderLists();  // 6 to 10 champions
  NumberLists core = placeholderLists();        // 1 to 3
  NumberLists early = placeholderLists();       // 2 to 5
  NumberLists midGame = placeholderLists();     // 3 to 7
};

void loadLineupTable(LineupTable& table);

// The count of ids; the list views loop 1 to this.
int lineupCount(const LineupTable& table);
// Whether k numbers a lineup of the table.
bool isLineup(const LineupTable& table, int k);

}  // namespace vex
