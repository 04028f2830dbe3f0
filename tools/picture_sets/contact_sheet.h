// Contact sheets of the generated pictures, written as PNG for review.
#pragma once
#include <string>
#include <vector>

#include "picture_set_writer.h"

namespace vex::tools {

struct SheetRow {
  std::vector<Tile> tiles;
  int perLine = 13;
};

// Tiles magnified `scale` times over `background` (#RRGGBB), one block per
// row entry, stacked top to bottom.
void writeContactSheet(const std::string& path, const std::vector<SheetRow>& rows, int scale,
                       std::uint32_t background);

}  // namespace vex::tools
