// MainWindow's content: one lineup's final board, its carries, and the
// detail picture and items of the selected champion.
#pragma once
#include <cstdint>

#include "views/views.h"

namespace vex {

// The start-up part that belongs to the view, run from MainWindow's created
// handler once the tables are loaded: builds the control lists, sets
// currentLineup 83 and selectedSlot 1, and shows lineup 83.
void startLineupView(const Views& views);

// Renders lineup k with the champion at selectedSlot selected. Only makes
// controls visible; 0 or a number outside the table shows nothing.
void showLineup(const Views& views, std::int32_t k);

// Hides every control of the view; pictures and hints stay.
void hideLineup(const Views& views);

// Click on 英雄按钮k: select that champion and redraw its detail and items;
// the row and the carries of the same lineup stay as they are.
void selectSlot(const Views& views, int k);

}  // namespace vex
