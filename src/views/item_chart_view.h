// ItemChartWindow: the 9 x 9 combination chart and its header clicks.
#pragma once
#include "views/views.h"

namespace vex {

void itemChartWindowCreated(const Views& views);

// Puts a variant on the grid: v > 0 shows item v, 0 hides the cell, v < 0
// leaves it alone. An empty variant changes nothing.
void showChart(const Views& views, const NumberList& variant);

// Header cells: show `variant` when the toggle is clear, else the headers only.
void toggleChart(const Views& views, const NumberList& variant);

void chartCornerClicked(const Views& views);         // 装备1 click
void chartCornerRightPressed(const Views& views);    // 装备1 right press
void chartColumnClicked(const Views& views, int j);  // 装备(1 + j), j = 1..8
void chartRowClicked(const Views& views, int i);     // 装备(9i + 1), i = 1..8

// Row i of `full` as a variant: the header row, the header column and the
// eight inner cells of row i; every other cell 0. Empty for a chart that is
// not 81 cells or a row outside 1..8.
NumberList chartRowVariant(const NumberList& full, int i);

}  // namespace vex
