// The layout's pictures, each drawn at its final pixel size.
#pragma once
#include "canvas.h"

namespace art {

// size x size, transparent corners; 16 in the title strip, every size in
// the program icon.
Canvas logo(int size = 16);
Canvas minimiseResting();  // 40x24
Canvas minimiseHover();    // 40x24
Canvas closeResting();     // 40x24
Canvas closeHover();       // 40x24
Canvas carryMarker();      // 15x15 badge on the carry champions
Canvas slotMarker();       // 11x11 light square with a diagonal
Canvas coin();             // 12x12
Canvas chartCorner();      // 30x30 toggle look of the chart's corner cell
Canvas thanksCardHeart();  // 120x180
Canvas thanksCardCup();    // 120x163

}  // namespace art
