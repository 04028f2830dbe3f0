#include "views/lineup_picker.h"

#include <algorithm>
#include <string>

#include "ui/layout/window_ids.h"
#include "views/button_pictures.h"
#include "views/gbk_text.h"
#include "views/lineup_view.h"

namespace vex {

namespace {

namespace lw = layout::lineup_window;

constexpr ControlRef kList{layout::kLineupWindow, lw::阵容超级列表框};
constexpr ControlRef kVersionLabel{layout::kLineupWindow, lw::标签1};
constexpr int kPickerButtonCount = 20;
constexpr int kPlaces = 10;
constexpr int kFirstBoardColumn = 2;
constexpr int kBoardColumns = 10;
constexpr int kFinalBoardColumn = 16;

enum LineupColumn { kRating = 0, kName = 1, kAuthor = 12, kCore = 13, kEarly = 14, kMidGame = 15 };

void appendLineupRow(const Views& v, int lineup) {
  const LineupTable& t = v.tables.lineups;
  const ChampionTable& champions = v.tables.champions;
  const int row = v.ui.listAppendRow(kList);
  if (row < 0) return;
  v.ui.listSetCell(kList, row, kRating, t.ratings[lineup]);
  v.ui.listSetCell(kList, row, kName, t.names[lineup]);
  const NumberList& board = t.finalBoard[lineup];
  for (int i = 1; i <= std::min(board.count(), kBoardColumns); ++i)
    v.ui.listSetCellImage(kList, row, kFirstBoardColumn + i - 1, board[i] - 1);
  v.ui.listSetCell(kList, row, kAuthor, t.authors[lineup]);
  v.ui.listSetCell(kList, row, kCore, joinNames(champions, t.core[lineup]));
  v.ui.listSetCell(kList, row, kEarly, joinNames(champions, t.early[lineup]));
  v.ui.listSetCell(kList, row, kMidGame, joinNames(champions, t.midGame[lineup]));
  v.ui.listSetCell(kList, row, kFinalBoardColumn, joinNames(champions, board));
  v.ui.listSetCell(kList, row, lw::kLineupIdColumn, std::to_string(t.ids[lineup]));
}

bool isLineup(const Views& v, int k) { return k >= 1 && k <= lineupCount(v.tables.lineups); }

void clearPlace(const Views& v, int k) {
  const PickerState& p = v.picker;
  if (k < 1 || k > p.MyLineupButtons.count() || k > p.MyLineupMarks.count()) return;
  v.ui.setPicture(p.MyLineupButtons[k], {});
  v.ui.setHint(p.MyLineupButtons[k], "");
  v.ui.setVisible(p.MyLineupMarks[k], false);
}

ControlList lineupControls(int first, int last, std::int32_t (*id)(int)) {
  ControlList list;
  for (int n = first; n <= last; ++n) list.append({layout::kLineupWindow, id(n)});
  return list;
}

std::int32_t pickerId(int n) { return lw::pickerButtonId(n); }
std::int32_t markId(int n) { return lw::myLineupMarkId(n); }

}  // namespace

void lineupWindowCreated(const Views& v) {
  v.ui.setCaption(kVersionLabel, "游戏版本：9.15b");
  v.shell.placeWindow(layout::kLineupWindow, layout::kMainWindow, 0, 160);
  v.shell.makeLayered(layout::kLineupWindow);
  v.ui.listSetPictures(kList, v.tables.champions.icons);
  PickerState& p = v.picker;
  p.PickerButtons = lineupControls(1, kPickerButtonCount, pickerId);
  p.MyLineupButtons = lineupControls(kPickerButtonCount + 1, kPickerButtonCount + kPlaces, pickerId);
  p.MyLineupMarks = lineupControls(1, kPlaces, markId);
  fillLineupList(v);
  showCost(v, 1);
  showMyLineup(v);
  filterLineupList(v);
}

void fillLineupList(const Views& v) {
  v.ui.listClear(kList);
  for (int lineup = 1; lineup <= lineupCount(v.tables.lineups); ++lineup) appendLineupRow(v, lineup);
  v.ui.sortListByColumn(kList, kRating);
}

void filterLineupList(const Views& v) {
  const PickerState& p = v.picker;
  if (p.MyLineup.empty()) {
    fillLineupList(v);
    return;
  }
  const ChampionTable& champions = v.tables.champions;
  for (int member : p.MyLineup) {
    if (member < 1 || member > championCount(champions)) continue;
    const Text& name = champions.names[member];
    NumberList kept;
    const int rows = v.ui.listRowCount(kList);
    for (int row = 0; row < rows; ++row) {
      if (!gbkContains(v.ui.listCell(kList, row, kFinalBoardColumn), name)) continue;
      const int lineup = decimalOrZero(v.ui.listCell(kList, row, lw::kLineupIdColumn));
      if (isLineup(v, lineup)) kept.append(lineup);
    }
    v.ui.listClear(kList);
    for (int lineup : kept) appendLineupRow(v, lineup);
  }
}

void showCost(const Views& v, int cost) {
  PickerState& p = v.picker;
  p.PickerChampions.clear();
  for (ControlRef ref : p.PickerButtons) v.ui.setVisible(ref, false);
  const ChampionTable& champions = v.tables.champions;
  for (int n = 1; n <= championCount(champions); ++n)
    if (champions.costs[n] == cost) p.PickerChampions.append(n);
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
    if (champion < 1 || champion > championCount(champions)) continue;
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
  LineupViewState& s = v.lineup;
  s.currentLineup = decimalOrZero(v.ui.listCell(kList, row, lw::kLineupIdColumn));
  s.selectedSlot = 1;
  hideLineup(v);
  showLineup(v, s.currentLineup);
}

}  // namespace vex
