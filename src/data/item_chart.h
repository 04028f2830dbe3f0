// The 9 x 9 item-combination chart and its prepared variants. Each is 81
// cells in row order; cell (i, j) is element 9i + j + 1: -1 the corner
// (left alone), 0 empty, otherwise an item number.
#pragma once
#include "data/table_types.h"

namespace vex {

inline constexpr int kChartSide = 9;
inline constexpr int kChartCells = kChartSide * kChartSide;

struct ChartVariants {
  NumberList full;                                                // ChartFull
  NumberList upperHalf;                                           // ChartUpperHalf
  NumberList headersOnly;                                         // ChartHeadersOnly
  NumberLists columns = NumberLists(std::vector<NumberList>(8));  // ChartColumn1..8
  NumberLists rows = NumberLists(std::vector<NumberList>(8));     // ChartRow1..8, no data: stay empty
};

// Fresh copies of every variant; the chart window calls this each time it
// is created. Before the first call every variant is empty.
void loadChartVariants(ChartVariants& charts);

}  // namespace vex
