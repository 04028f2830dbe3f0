// LineupWindow: the list of all lineups, narrowed to those holding every
// champion of the user's own lineup, and the choice of the lineup that
// MainWindow shows.
#pragma once
#include "views/views.h"

namespace vex {

void lineupWindowCreated(const Views& views);

// The picker keeps the lineup of each row it shows in ListedLineups, so
// filtering and a row click work on the lineup table, never on the list's
// texts.

// Every lineup, one row each, sorted by rating.
void fillLineupList(const Views& views);
// Keeps the listed lineups whose final board holds every MyLineup champion,
// in their order.
void filterLineupList(const Views& views);
// The champions of one gold cost on the picker buttons.
void showCost(const Views& views, int cost);
// MyLineup drawn on its places.
void showMyLineup(const Views& views);
// Removes place k (later members move up) and redraws the places.
void removeMember(const Views& views, int k);

// Click handlers.
void pickChampion(const Views& views, int k);  // 英雄列表按钮k, k = 1..20
void clickPlace(const Views& views, int k);    // 英雄列表按钮(20 + k), k = 1..10
void clearMyLineup(const Views& views);        // 清空按钮
void lineupListClicked(const Views& views);    // 阵容超级列表框: shows the row's lineup

}  // namespace vex
