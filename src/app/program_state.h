// The program-wide state: everything that lives from the entry to the exit
// steps, in one place. Created at its initial values before the first
// window opens (every game table holds its one-element placeholder, the
// control lists are empty, the download task holds its defaults).
#pragma once
#include "data/game_tables.h"
#include "online/self_update.h"
#include "online/version_page.h"
#include "views/view_state.h"

namespace vex {

struct UpdateState {
  online::VersionInfo versionInfo;  // the last parse of the version page
  online::SelfUpdate selfUpdate;    // the downloader and its task record
};

struct ProgramState {
  GameTables tables;
  LineupViewState lineup;  // currentLineup, selectedSlot, MainWindow's control lists
  PickerState picker;      // MyLineup, PickerChampions, LineupWindow's control lists
  ChartState chart;        // chart variants, ChartCells, chartToggle
  UpdateState update;
};

}  // namespace vex
