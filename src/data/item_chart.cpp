// The item-combination chart as compiled in, and the variants cut from it.
// Rows and columns 1 to 8 stand for the base items 1, 3, 2, 4, 6, 7, 5, 8.
#include "data/item_chart.h"

#include "data/column_loading.h"

namespace vex {

namespace {

using Chart = std::int32_t[kChartCells];

// Symmetric; the upper half holds each combined item once.
constexpr Chart kChartFull = {
    -1, 1,  3,  2,  4,  6,  7,  5,  8,  1, 37, 15, 32, 34, 33, 39, 17, 40, 3, 15, 28, 14, 27, 13, 24, 29, 41,
    2,  32, 14, 18, 35, 16, 44, 22, 30, 4, 34, 27, 35, 12, 11, 36, 20, 9,  6, 33, 13, 16, 11, 19, 42, 38, 31,
    7,  39, 24, 44, 36, 42, 21, 25, 26, 5, 17, 29, 22, 20, 38, 25, 23, 10, 8, 40, 41, 30, 9,  31, 26, 10, 43,
};

// The full chart's cells where `keep(row, column)` holds (0-based, the
// headers at 0), 0 elsewhere: every prepared variant is one such cut.
template <typename Keep>
NumberList cut(Keep keep) {
  NumberList chart;
  for (int k = 0; k < kChartCells; ++k)
    chart.append(keep(k / kChartSide, k % kChartSide) ? kChartFull[k] : 0);
  return chart;
}

}  // namespace

void loadChartVariants(ChartVariants& charts) {
  charts.full = numberColumn(kChartFull);
  charts.upperHalf = cut([](int r, int c) { return r == 0 || c == 0 || c >= r; });
  charts.headersOnly = cut([](int r, int) { return r == 0; });
  NumberLists columns;
  for (int n = 1; n <= kChartSide - 1; ++n)
    columns.append(cut([n](int r, int c) { return r == 0 || c == 0 || c == n; }));
  charts.columns = std::move(columns);
  charts.rows = NumberLists(std::vector<NumberList>(8));
}

}  // namespace vex
