#include "views/lineup_view.h"

#include <algorithm>

#include "ui/layout/window_ids.h"
#include "views/button_pictures.h"

namespace vex {

namespace {

namespace mw = layout::main_window;

constexpr ControlRef kDetail{layout::kMainWindow, mw::英雄详情};
constexpr std::int32_t kStartLineup = 83;

void showChampionButton(const Views& v, ControlRef ref, int champion) {
  setPictureOf(v.ui, ref, v.tables.champions.portraits, champion);
  v.ui.setHint(ref, v.tables.champions.names[champion]);
}

void showItemButton(const Views& v, ControlRef ref, std::span<const std::uint8_t> set, int item,
                    const Text& hint) {
  setPictureOf(v.ui, ref, set, item);
  v.ui.setHint(ref, hint);
  v.ui.setPictureKey(ref, kButtonPictureKey);
  v.ui.setVisible(ref, true);
}

void showItemsOf(const Views& v, int champion) {
  const ItemTable& items = v.tables.items;
  const NumberList& recommended = v.tables.champions.coreItems[champion];
  LineupViewState& s = v.lineup;
  const int n = std::min(recommended.count(), s.CoreItemButtons.count());
  for (int i = 1; i <= n; ++i) {
    const int t = recommended[i];
    if (!isItem(items, t)) continue;
    showItemButton(v, s.CoreItemButtons[i], items.pictures, t, itemTooltip(items, t));
    const NumberList& parts = items.components[t];
    for (int j = 1; j <= 2 && j <= parts.count(); ++j) {
      const int b = parts[j];
      const int slot = 2 * (i - 1) + j;
      if (!isItem(items, b) || slot > s.ComponentButtons.count()) continue;
      showItemButton(v, s.ComponentButtons[slot], items.icons, b, items.names[b]);
    }
  }
}

void showDetail(const Views& v, int champion) {
  showChampionButton(v, kDetail, champion);
  const Colour cost = costColourOf(v.tables, champion);
  v.ui.setBackColour(kDetail, kNormal, cost);
  v.ui.setBackColour(kDetail, kHover, cost);
  v.ui.setBackColour(kDetail, kPressed, cost);
  v.ui.setPictureKey(kDetail, kButtonPictureKey);
  v.ui.setVisible(kDetail, true);
}

}  // namespace

void startLineupView(const Views& v) {
  LineupViewState& s = v.lineup;
  s.HeroButtons = controlsOf(layout::kMainWindow, mw::kHeroButtons);
  s.CoreHeroButtons = controlsOf(layout::kMainWindow, mw::kCoreHeroButtons);
  s.CoreMarks = controlsOf(layout::kMainWindow, mw::kCoreMarks);
  s.CoreItemButtons = controlsOf(layout::kMainWindow, mw::kCoreItemButtons);
  s.ComponentButtons = controlsOf(layout::kMainWindow, mw::kComponentButtons);
  s.currentLineup = kStartLineup;
  s.selectedSlot = 1;
  showLineup(v, kStartLineup);
}

void showLineup(const Views& v, std::int32_t k) {
  if (!isLineup(v.tables.lineups, k)) return;
  const GameTables& t = v.tables;
  LineupViewState& s = v.lineup;
  const NumberList& board = t.lineups.finalBoard[k];
  const NumberList& core = t.lineups.core[k];
  if (board.empty()) return;
  // A slot left over from a longer lineup falls back to the first champion.
  if (s.selectedSlot < 1 || s.selectedSlot > board.count()) s.selectedSlot = 1;

  for (int i = 1; i <= std::min(board.count(), s.HeroButtons.count()); ++i) {
    const int c = board[i];
    if (!isChampion(t.champions, c)) continue;
    const ControlRef ref = s.HeroButtons[i];
    showChampionButton(v, ref, c);
    v.ui.setBackColour(ref, kNormal, costColourOf(t, c));
    v.ui.setPictureKey(ref, kButtonPictureKey);
    v.ui.setVisible(ref, true);
  }

  const int selected = board[s.selectedSlot];
  if (!isChampion(t.champions, selected)) return;
  showDetail(v, selected);

  const int carries = std::min({core.count(), s.CoreHeroButtons.count(), s.CoreMarks.count()});
  for (int i = 1; i <= carries; ++i) {
    const int c = core[i];
    if (!isChampion(t.champions, c)) continue;
    const ControlRef ref = s.CoreHeroButtons[i];
    showChampionButton(v, ref, c);
    v.ui.setPictureKey(ref, kButtonPictureKey);
    v.ui.setVisible(ref, true);
    v.ui.setVisible(s.CoreMarks[i], true);
  }

  showItemsOf(v, selected);
}

void hideLineup(const Views& v) {
  const LineupViewState& s = v.lineup;
  for (const ControlList* list : {&s.HeroButtons, &s.CoreHeroButtons, &s.CoreMarks}) {
    for (ControlRef ref : *list) v.ui.setVisible(ref, false);
  }
  v.ui.setVisible(kDetail, false);
  for (const ControlList* list : {&s.CoreItemButtons, &s.ComponentButtons}) {
    for (ControlRef ref : *list) v.ui.setVisible(ref, false);
  }
}

void selectSlot(const Views& v, int k) {
  LineupViewState& s = v.lineup;
  if (!isLineup(v.tables.lineups, s.currentLineup)) return;
  // Only a shown button can be clicked; anything else is ignored.
  if (k < 1 || k > v.tables.lineups.finalBoard[s.currentLineup].count()) return;
  s.selectedSlot = k;
  // The row and the carries belong to the lineup, which stays: only what
  // describes the selected champion is written again (each picture written
  // is built from its set before the toolkit can find it unchanged).
  const int selected = v.tables.lineups.finalBoard[s.currentLineup][k];
  if (!isChampion(v.tables.champions, selected)) return;
  showDetail(v, selected);
  showItemsOf(v, selected);
}

}  // namespace vex
