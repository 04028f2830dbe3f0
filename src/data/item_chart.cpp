// The item-combination chart and its prepared variants, as compiled in.
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

constexpr Chart kChartUpperHalf = {
    -1, 1, 3, 2,  4,  6,  7,  5,  8,  1, 37, 15, 32, 34, 33, 39, 17, 40, 3, 0, 28, 14, 27, 13, 24, 29, 41,
    2,  0, 0, 18, 35, 16, 44, 22, 30, 4, 0,  0,  0,  12, 11, 36, 20, 9,  6, 0, 0,  0,  0,  19, 42, 38, 31,
    7,  0, 0, 0,  0,  0,  21, 25, 26, 5, 0,  0,  0,  0,  0,  0,  23, 10, 8, 0, 0,  0,  0,  0,  0,  0,  43,
};

constexpr Chart kChartHeadersOnly = {
    -1, 1, 3, 2, 4, 6, 7, 5, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
};

constexpr Chart kChartColumn1 = {
    -1, 1,  3, 2, 4, 6, 7, 5, 8, 1, 37, 0, 0, 0, 0, 0, 0, 0, 3, 15, 0, 0, 0, 0, 0, 0, 0,
    2,  32, 0, 0, 0, 0, 0, 0, 0, 4, 34, 0, 0, 0, 0, 0, 0, 0, 6, 33, 0, 0, 0, 0, 0, 0, 0,
    7,  39, 0, 0, 0, 0, 0, 0, 0, 5, 17, 0, 0, 0, 0, 0, 0, 0, 8, 40, 0, 0, 0, 0, 0, 0, 0,
};

constexpr Chart kChartColumn2 = {
    -1, 1, 3,  2, 4, 6, 7, 5, 8, 1, 0, 15, 0, 0, 0, 0, 0, 0, 3, 0, 28, 0, 0, 0, 0, 0, 0,
    2,  0, 14, 0, 0, 0, 0, 0, 0, 4, 0, 27, 0, 0, 0, 0, 0, 0, 6, 0, 13, 0, 0, 0, 0, 0, 0,
    7,  0, 24, 0, 0, 0, 0, 0, 0, 5, 0, 29, 0, 0, 0, 0, 0, 0, 8, 0, 41, 0, 0, 0, 0, 0, 0,
};

constexpr Chart kChartColumn3 = {
    -1, 1, 3, 2,  4, 6, 7, 5, 8, 1, 0, 0, 32, 0, 0, 0, 0, 0, 3, 0, 0, 14, 0, 0, 0, 0, 0,
    2,  0, 0, 18, 0, 0, 0, 0, 0, 4, 0, 0, 35, 0, 0, 0, 0, 0, 6, 0, 0, 16, 0, 0, 0, 0, 0,
    7,  0, 0, 44, 0, 0, 0, 0, 0, 5, 0, 0, 22, 0, 0, 0, 0, 0, 8, 0, 0, 30, 0, 0, 0, 0, 0,
};

constexpr Chart kChartColumn4 = {
    -1, 1, 3, 2, 4,  6, 7, 5, 8, 1, 0, 0, 0, 34, 0, 0, 0, 0, 3, 0, 0, 0, 27, 0, 0, 0, 0,
    2,  0, 0, 0, 35, 0, 0, 0, 0, 4, 0, 0, 0, 12, 0, 0, 0, 0, 6, 0, 0, 0, 11, 0, 0, 0, 0,
    7,  0, 0, 0, 36, 0, 0, 0, 0, 5, 0, 0, 0, 20, 0, 0, 0, 0, 8, 0, 0, 0, 9,  0, 0, 0, 0,
};

constexpr Chart kChartColumn5 = {
    -1, 1, 3, 2, 4, 6,  7, 5, 8, 1, 0, 0, 0, 0, 33, 0, 0, 0, 3, 0, 0, 0, 0, 13, 0, 0, 0,
    2,  0, 0, 0, 0, 16, 0, 0, 0, 4, 0, 0, 0, 0, 11, 0, 0, 0, 6, 0, 0, 0, 0, 19, 0, 0, 0,
    7,  0, 0, 0, 0, 42, 0, 0, 0, 5, 0, 0, 0, 0, 38, 0, 0, 0, 8, 0, 0, 0, 0, 31, 0, 0, 0,
};

constexpr Chart kChartColumn6 = {
    -1, 1, 3, 2, 4, 6, 7,  5, 8, 1, 0, 0, 0, 0, 0, 39, 0, 0, 3, 0, 0, 0, 0, 0, 24, 0, 0,
    2,  0, 0, 0, 0, 0, 44, 0, 0, 4, 0, 0, 0, 0, 0, 36, 0, 0, 6, 0, 0, 0, 0, 0, 42, 0, 0,
    7,  0, 0, 0, 0, 0, 21, 0, 0, 5, 0, 0, 0, 0, 0, 25, 0, 0, 8, 0, 0, 0, 0, 0, 26, 0, 0,
};

constexpr Chart kChartColumn7 = {
    -1, 1, 3, 2, 4, 6, 7, 5,  8, 1, 0, 0, 0, 0, 0, 0, 17, 0, 3, 0, 0, 0, 0, 0, 0, 29, 0,
    2,  0, 0, 0, 0, 0, 0, 22, 0, 4, 0, 0, 0, 0, 0, 0, 20, 0, 6, 0, 0, 0, 0, 0, 0, 38, 0,
    7,  0, 0, 0, 0, 0, 0, 25, 0, 5, 0, 0, 0, 0, 0, 0, 23, 0, 8, 0, 0, 0, 0, 0, 0, 10, 0,
};

constexpr Chart kChartColumn8 = {
    -1, 1, 3, 2, 4, 6, 7, 5, 8,  1, 0, 0, 0, 0, 0, 0, 0, 40, 3, 0, 0, 0, 0, 0, 0, 0, 41,
    2,  0, 0, 0, 0, 0, 0, 0, 30, 4, 0, 0, 0, 0, 0, 0, 0, 9,  6, 0, 0, 0, 0, 0, 0, 0, 31,
    7,  0, 0, 0, 0, 0, 0, 0, 26, 5, 0, 0, 0, 0, 0, 0, 0, 10, 8, 0, 0, 0, 0, 0, 0, 0, 43,
};

}  // namespace

void loadChartVariants(ChartVariants& charts) {
  charts.full = numberColumn(kChartFull);
  charts.upperHalf = numberColumn(kChartUpperHalf);
  charts.headersOnly = numberColumn(kChartHeadersOnly);
  const Chart* columns[] = {&kChartColumn1, &kChartColumn2, &kChartColumn3, &kChartColumn4,
                            &kChartColumn5, &kChartColumn6, &kChartColumn7, &kChartColumn8};
  NumberLists loaded;
  for (const Chart* column : columns) loaded.append(numberColumn(*column));
  charts.columns = std::move(loaded);
  charts.rows = NumberLists(std::vector<NumberList>(8));
}

}  // namespace vex
