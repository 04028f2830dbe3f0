#include "views/item_chart_view.h"

#include <algorithm>

#include "ui/layout/window_ids.h"
#include "views/button_pictures.h"

namespace vex {

namespace {

namespace ic = layout::item_chart_window;

constexpr int kHeaderCount = kChartSide - 1;
static_assert(ic::kChartCells.size() == kChartCells, "one cell control per chart cell");

// The data leaves the row variants empty; they are made from the full chart.
void supplyRowVariants(ChartVariants& charts) {
  for (int i = 1; i <= std::min(kHeaderCount, charts.rows.count()); ++i)
    if (charts.rows[i].empty()) charts.rows[i] = chartRowVariant(charts.full, i);
}

}  // namespace

NumberList chartRowVariant(const NumberList& full, int i) {
  if (full.count() != kChartCells || i < 1 || i > kHeaderCount) return {};
  NumberList row;
  for (int k = 1; k <= kChartCells; ++k) {
    const int r = (k - 1) / kChartSide;
    const int c = (k - 1) % kChartSide;
    row.append(r == 0 || c == 0 || r == i ? full[k] : 0);
  }
  return row;
}

void itemChartWindowCreated(const Views& v) {
  v.shell.placeWindow(layout::kItemChartWindow, layout::kMainWindow, 552, 0);
  v.shell.makeLayered(layout::kItemChartWindow);
  ChartState& s = v.chart;
  loadChartVariants(s.variants);
  supplyRowVariants(s.variants);
  s.ChartCells = controlsOf(layout::kItemChartWindow, ic::kChartCells);
  showChart(v, s.variants.full);
}

void showChart(const Views& v, const NumberList& variant) {
  const ItemTable& items = v.tables.items;
  const ControlList& cells = v.chart.ChartCells;
  const int n = std::min(variant.count(), cells.count());
  for (int k = 1; k <= n; ++k) {
    const int item = variant[k];
    const ControlRef ref = cells[k];
    if (item < 0) continue;
    if (!isItem(items, item)) {
      v.ui.setPicture(ref, {});
      v.ui.setHint(ref, "");
      v.ui.setVisible(ref, false);
      continue;
    }
    setPictureOf(v.ui, ref, items.pictures, item);
    v.ui.setHint(ref, itemTooltip(items, item));
    v.ui.setVisible(ref, true);
  }
}

void toggleChart(const Views& v, const NumberList& variant) {
  ChartState& s = v.chart;
  if (s.chartToggle == 0) {
    showChart(v, variant);
    s.chartToggle = 1;
  } else {
    showChart(v, s.variants.headersOnly);
    s.chartToggle = 0;
  }
}

void chartCornerClicked(const Views& v) {
  ChartState& s = v.chart;
  if (s.chartToggle == 0) {
    showChart(v, s.variants.upperHalf);
    s.chartToggle = 1;
  } else {
    showChart(v, s.variants.full);
    s.chartToggle = 0;
  }
}

void chartCornerRightPressed(const Views& v) { showChart(v, v.chart.variants.headersOnly); }

void chartColumnClicked(const Views& v, int j) {
  const NumberLists& columns = v.chart.variants.columns;
  if (j < 1 || j > columns.count()) return;
  toggleChart(v, columns[j]);
}

void chartRowClicked(const Views& v, int i) {
  const NumberLists& rows = v.chart.variants.rows;
  if (i < 1 || i > rows.count()) return;
  toggleChart(v, rows[i]);
}

}  // namespace vex
