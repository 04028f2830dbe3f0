#include "views/lineup_picker.h"

#include <algorithm>
#include <string>
#include <vector>

#include "ui/layout/window_ids.h"
#include "views/button_pictures.h"
#include "views/lineup_view.h"

namespace vex {

namespace {

namespace lw = layout::lineup_window;

constexpr ControlRef kList{layout::kLineupWindow, lw::阵容超级列表框};
constexpr ControlRef kVersionLabel{layout::kLineupWindow, lw::标签1};
constexpr int kPlaces = static_cast<int>(lw::kMyLineupButtons.size());

void appendLineupRow(const Views& v, int lineup) {
  const LineupTable& t = v.tables.lineups;
  const ChampionTable& champions = v.tables.champions;
  const int row = v.ui.listAppendRow(kList);
  if (row < 0) return;
  v.ui.listSetCell(kList, row, lw::kRatingColumn, t.ratings[lineup]);
  v.ui.listSetCell(kList, row, lw::kNameColumn, t.names[lineup]);
  const NumberList& board = t.finalBoard[lineup];
  for (int i = 1; i <= std::min(board.count(), lw::kBoardColumns); ++i)
    v.ui.listSetCellImage(kList, row, lw::kFirstBoardColumn + i - 1, board[i] - 1);
  v.ui.listSetCell(kList, row, lw::kAuthorColumn, t.authors[lineup]);
  v.ui.listSetCell(kList, row, lw::kCoreColumn, joinNames(champions, t.core[lineup]));
  v.ui.listSetCell(kList, row, lw::kEarlyColumn, joinNames(champions, t.early[lineup]));
  v.ui.listSetCell(kList, row, lw::kMidGameColumn, joinNames(champions, t.midGame[lineup]));
  v.ui.listSetCell(kList, row, lw::kFinalBoardColumn, joinNames(champions, board));
  v.ui.listSetCell(kList, row, lw::kLineupIdColumn, std::to_string(t.ids[lineup]));
}

// The list shows ListedLineups, one row each, in that order.
void showListedLineups(const Views& v) {
  v.ui.listClear(kList);
  for (int lineup : v.picker.ListedLineups) appendLineupRow(v, lineup);
}

void clearPlace(const Views& v, int k) {
  const PickerState& p = v.picker;
  if (k < 1 || k > p.MyLineupButtons.count() || k > p.MyLineupMarks.count()) return;
  v.ui.setPicture(p.MyLineupButtons[k], {});
  v.ui.setHint(p.MyLineupButtons[k], "");
  v.ui.setVisible(p.MyLineupMarks[k], false);
}

}  // namespace

void lineupWindowCreated(const Views& v) {
  v.ui.setCaption(kVersionLabel, "游戏版本：9.15b");
  v.shell.placeWindow(layout::kLineupWindow, layout::kMainWindow, 0, 160);
  v.shell.makeLayered(layout::kLineupWindow);
  v.ui.listSetPictures(kList, v.tables.champions.icons);
  PickerState& p = v.picker;
  p.PickerButtons = controlsOf(layout::kLineupWindow, lw::kPickerButtons);
  p.MyLineupButtons = controlsOf(layout::kLineupWindow, lw::kMyLineupButtons);
  p.MyLineupMarks = controlsOf(layout::kLineupWindow, lw::kMyLineupMarks);
  fillLineupList(v);
  showCost(v, 1);
  showMyLineup(v);
  filterLineupList(v);
}

void fillLineupList(const Views& v) {
  const LineupTable& t = v.tables.lineups;
  std::vector<std::int32_t> lineups;
  for (int lineup = 1; lineup <= lineupCount(t); ++lineup) lineups.push_back(lineup);
  // By rating text, byte order; equal ratings keep table order.
  std::stable_sort(lineups.begin(), lineups.end(),
                   [&t](int a, int b) { return t.ratings[a] < t.ratings[b]; });
  v.picker.ListedLineups = NumberList(std::move(lineups));
  showListedLineups(v);
}

void filterLineupList(const Views& v) {
  PickerState& p = v.picker;
  if (p.MyLineup.empty()) {
    fillLineupList(v);
    return;
  }
  const LineupTable& t = v.tables.lineups;
  for (int member : p.MyLineup) {
    if (!isChampion(v.tables.champions, member)) continue;
    NumberList kept;
    for (int lineup : p.ListedLineups)
      if (isLineup(t, lineup) && t.finalBoard[lineup].contains(member)) kept.append(lineup);
    p.ListedLineups = std::move(kept);
  }
  showListedLineups(v);
}

void showCost(const Views& v, int cost) {
  PickerState& p = v.picker;
  for (ControlRef ref : p.PickerButtons) v.ui.setVisible(ref, false);
  const ChampionTable& champions = v.tables.champions;
  p.PickerChampions = championsOfCost(champions, cost);
  const int shown = std::min(p.PickerChampions.count(), p.PickerButtons.count());
  for (int k = 1; k <= shown; ++k) {
    const int champion = p.PickerChampions[k];
    const ControlRef ref = p.PickerButtons[k];
    setPictureOf(v.ui, ref, champions.icons, champion);
    v.ui.setHint(ref, champions.names[champion]);
    v.ui.setVisible(ref, true);
  }
}

void showMyLineup(const Views& v) {
  const PickerState& p = v.picker;
  if (p.MyLineup.count() > kPlaces) return;
  const ChampionTable& champions = v.tables.champions;
  const int places = std::min({p.MyLineup.count(), p.MyLineupButtons.count(), p.MyLineupMarks.count()});
  for (int k = 1; k <= places; ++k) {
    const int champion = p.MyLineup[k];
    if (!isChampion(champions, champion)) continue;
    setPictureOf(v.ui, p.MyLineupButtons[k], champions.icons, champion);
    v.ui.setHint(p.MyLineupButtons[k], champions.names[champion]);
    v.ui.setVisible(p.MyLineupMarks[k], true);
  }
}

void removeMember(const Views& v, int k) {
  PickerState& p = v.picker;
  if (k >= 1 && k <= p.MyLineup.count()) p.MyLineup.remove(k);
  showMyLineup(v);
  clearPlace(v, p.MyLineup.count() + 1);
}

void pickChampion(const Views& v, int k) {
  PickerState& p = v.picker;
  if (p.MyLineup.count() >= kPlaces) return;
  // Buttons past the shown champions are hidden; a stray click adds nothing.
  if (k < 1 || k > p.PickerChampions.count()) return;
  p.MyLineup.append(p.PickerChampions[k]);
  showMyLineup(v);
  filterLineupList(v);
}

void clickPlace(const Views& v, int k) {
  removeMember(v, k);
  fillLineupList(v);
  filterLineupList(v);
}

void clearMyLineup(const Views& v) {
  for (int k = 1; k <= kPlaces; ++k) clearPlace(v, k);
  v.picker.MyLineup.clear();
  fillLineupList(v);
}

void lineupListClicked(const Views& v) {
  if (!v.ui.isOpen(layout::kMainWindow)) return;
  const int row = v.ui.listSelected(kList);
  if (row < 0) return;
  const PickerState& p = v.picker;
  LineupViewState& s = v.lineup;
  // 0 for a row the picker did not list, which shows nothing.
  s.currentLineup = row < p.ListedLineups.count() ? p.ListedLineups[row + 1] : 0;
  s.selectedSlot = 1;
  hideLineup(v);
  showLineup(v, s.currentLineup);
}

}  // namespace vex
