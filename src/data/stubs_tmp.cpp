// Temporary: loaders and extractor being filled in.
#include "data/game_tables.h"

namespace vex {
void loadChampionTable(ChampionTable&) {}
void loadCostColours(CostColours&) {}
void loadItemTable(ItemTable&) {}
void loadChartVariants(ChartVariants&) {}
void loadLineupTable(LineupTable&) {}
std::span<const std::uint8_t> imageListStream(std::span<const std::uint8_t>) { return {}; }
std::optional<PictureSetHeader> readPictureSetHeader(std::span<const std::uint8_t>) { return std::nullopt; }
Bytes pictureOf(std::span<const std::uint8_t>, int, Colour) { return {}; }
}  // namespace vex
