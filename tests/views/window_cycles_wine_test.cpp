// Opening and closing each secondary window many times in one process
// leaves GDI and USER objects and private memory where they were.
#include <gtest/gtest.h>

#include <cstdio>

#include "../support/process_counts.h"
#include "../support/test_parameter.h"
#include "native_probe.h"

namespace vex::test {
namespace {

// Signed figures of the process counts, so differences may go below zero.
struct Usage {
  long gdi, user, gdiTable, windows;
  long long privateBytes, committedPrivate, heapBytes;
};

Usage usage() {
  const ProcessCounts c = measureProcess();
  return {static_cast<long>(c.gdi),
          static_cast<long>(c.user),
          static_cast<long>(c.gdiTable),
          static_cast<long>(c.windows),
          static_cast<long long>(c.privateBytes),
          static_cast<long long>(c.committedPrivate),
          static_cast<long long>(c.heapBytes)};
}

struct Cycle {
  const char* name;
  std::int32_t window, owner;
  int times;
};

// About fetches the version page on every opening (a refused loopback
// connection each time), so it runs fewer cycles.
constexpr Cycle kCycles[] = {
    {"LineupWindow", layout::kLineupWindow, 0, 200},
    {"ItemChartWindow", layout::kItemChartWindow, 0, 200},
    {"HeroListWindow", layout::kHeroListWindow, layout::kLineupWindow, 200},
    {"ItemListWindow", layout::kItemListWindow, layout::kItemChartWindow, 200},
    {"DonateWindow", layout::kDonateWindow, layout::kAboutWindow, 200},
    {"AboutWindow", layout::kAboutWindow, layout::kMainWindow, 200},
};

// Memory margins: the first cycles warm caches (fonts, image lists, the
// heap's free lists); a leak of a few KB per cycle overshoots these many
// times over after 200 cycles.
constexpr long long kMemoryMargin = 1024 * 1024;
constexpr long long kHeapMargin = 256 * 1024;

TEST(WindowCycles, EverySecondaryWindowOpens200TimesWithoutLeaking) {
  RunningApp run;
  // Owners open for the windows that need one; they stay across the cycles.
  run.ui().open(layout::kItemChartWindow);
  run.ui().open(layout::kAboutWindow, layout::kMainWindow);
  pump(300);
  ASSERT_GT(usage().gdiTable, 0) << "the GDI table is readable";
  ASSERT_GT(usage().windows, 0);
  for (const Cycle& c : kCycles) {
    // Each step's messages are handled before the next; waiting beyond
    // that only made the cycles slower.
    auto once = [&] {
      if (run.ui().isOpen(c.window)) run.ui().close(c.window);
      pump(0);
      run.ui().open(c.window, c.owner);
      pump(0);
      run.ui().close(c.window);
      pump(0);
    };
    if (c.owner && !run.ui().isOpen(c.owner))
      run.ui().open(c.owner, c.owner == layout::kAboutWindow ? layout::kMainWindow : 0);
    for (int i = 0; i < 10; ++i) once();  // warm-up
    pump(200);
    const Usage before = usage();
    const ULONGLONG start = GetTickCount64();
    const int times = testParameter("VEX_WINDOW_CYCLES", c.times);
    for (int i = 0; i < times; ++i) once();
    pump(300);
    const Usage after = usage();
    std::printf(
        "%-16s %3d cycles in %6llu ms: GDI %ld -> %ld (table %ld -> %ld), USER %ld -> %ld, windows %ld -> "
        "%ld,\n"
        "%-16s private %lld -> %lld KB (committed %lld -> %lld KB), heap %lld -> %lld KB\n",
        c.name, times, GetTickCount64() - start, before.gdi, after.gdi, before.gdiTable, after.gdiTable,
        before.user, after.user, before.windows, after.windows, "", before.privateBytes / 1024,
        after.privateBytes / 1024, before.committedPrivate / 1024, after.committedPrivate / 1024,
        before.heapBytes / 1024, after.heapBytes / 1024);
    // GDI and USER objects come back exactly: every one a window takes is its own.
    EXPECT_EQ(after.gdi, before.gdi) << c.name;
    EXPECT_EQ(after.gdiTable, before.gdiTable) << c.name;
    EXPECT_EQ(after.user, before.user) << c.name;
    EXPECT_EQ(after.windows, before.windows) << c.name;
    EXPECT_LE(after.privateBytes - before.privateBytes, kMemoryMargin) << c.name;
    EXPECT_LE(after.committedPrivate - before.committedPrivate, kMemoryMargin) << c.name;
    EXPECT_LE(after.heapBytes - before.heapBytes, kHeapMargin) << c.name;
    EXPECT_TRUE(run.ui().isOpen(layout::kMainWindow));
  }
  // The windows still work after all that.
  run.ui().open(layout::kLineupWindow);
  run.ui().open(layout::kHeroListWindow, layout::kLineupWindow);
  pump(300);
  EXPECT_EQ(rowCount(run.listView(layout::kHeroListWindow, layout::hero_list_window::英雄超级列表框)), 51);
}

}  // namespace
}  // namespace vex::test
