// What every view function works on: the toolkit, the platform, the game
// tables and the views' share of the program-wide state. Holds references
// only; the app keeps the referred objects alive for the whole run.
#pragma once
#include "data/game_tables.h"
#include "toolkit/controls/ui.h"
#include "views/shell.h"
#include "views/view_state.h"

namespace vex {

struct Views {
  Ui& ui;
  Shell& shell;
  const GameTables& tables;
  LineupViewState& lineup;
  PickerState& picker;
  ChartState& chart;
};

// Binds every event of the views' windows: MainWindow's champion row, and
// LineupWindow, ItemChartWindow, HeroListWindow, ItemListWindow,
// AboutWindow, DonateWindow and UpdateWindow's close button. MainWindow's
// created handler and chrome stay with the app. `updateCreated`, when given,
// becomes UpdateWindow's created handler (the download start).
void bindViewHandlers(const Views& views, Handler updateCreated = {});

}  // namespace vex
