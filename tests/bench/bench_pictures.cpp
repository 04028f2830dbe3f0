// Prints the time to take each portrait out of the compiled-in set, and
// the mean; the aim is at most 50 us a portrait natively.
#include <time.h>

#include <algorithm>
#include <cstdio>

#include "data/game_tables.h"

int main() {
  vex::GameTables tables;
  vex::loadGameTables(tables);
  const std::span<const std::uint8_t> portraits = tables.champions.portraits;
  // Each portrait is timed in several batches and the fastest batch kept, so
  // that a busy machine's preemptions do not count as extraction time.
  constexpr int kBatches = 7;
  constexpr int kRounds = 100;
  // <chrono> cannot be used here: its "µs" suffix has no GBK form.
  auto now = [] {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
  };

  double total = 0, worst = 0;
  std::size_t checksum = 0;
  std::printf("portrait extraction, best of %d batches of %d\n", kBatches, kRounds);
  for (int i = 0; i < 51; ++i) {
    double us = 1e30;
    for (int b = 0; b < kBatches; ++b) {
      const double start = now();
      for (int r = 0; r < kRounds; ++r) checksum += vex::pictureOf(portraits, i).size();
      us = std::min(us, (now() - start) / kRounds);
    }
    total += us;
    if (us > worst) worst = us;
    std::printf("  portrait %2d (champion %2d): %7.2f us\n", i, i + 1, us);
  }
  std::printf("portraits: mean %.2f us, worst %.2f us, target <= 50 us (%s)\n", total / 51, worst,
              worst <= 50 ? "met" : "missed");
  return checksum == 0;
}
