// All game tables of the program, and their loading at start-up.
#pragma once
#include "data/champion_table.h"
#include "data/item_chart.h"
#include "data/item_table.h"
#include "data/lineup_table.h"
#include "data/picture_set.h"

namespace vex {

// Default-constructed, every column holds its one-element placeholder and
// the chart variants are empty.
struct GameTables {
  ChampionTable champions;  // ChampionTable
  CostColours costColours = CostColours{0};
  ItemTable items;       // ItemTable
  ChartVariants charts;  // loaded by the chart window, not at start-up
  LineupTable lineups;   // LineupTable
};

// Start-up: fills champions, cost colours, items and lineups from their
// compiled-in constants, replacing whatever they held. Charts are left alone.
void loadGameTables(GameTables& tables);

// CostColours[costs[champion]] of these tables.
Colour costColourOf(const GameTables& tables, int champion);

}  // namespace vex
