// Opening and closing each secondary window many times in one process
// leaves GDI and USER objects and private memory where they were; so does
// an update that fails again and again.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "../online/update_signature_keys.h"
#include "../support/box_watcher.h"
#include "../support/loopback_server.h"
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
  bool failedUpdate = false;  // opened by 立即更新 and closed by the failed download
};

// About fetches the version page on every opening (a refused loopback
// connection each time), so it runs fewer cycles. A failed update asks,
// fetches the page, opens UpdateWindow, downloads from the server below and
// tells the failure in a box on the downloader's thread, after which the
// window closes itself.
constexpr Cycle kCycles[] = {
    {"LineupWindow", layout::kLineupWindow, 0, 200},
    {"ItemChartWindow", layout::kItemChartWindow, 0, 200},
    {"HeroListWindow", layout::kHeroListWindow, layout::kLineupWindow, 200},
    {"ItemListWindow", layout::kItemListWindow, layout::kItemChartWindow, 200},
    {"DonateWindow", layout::kDonateWindow, layout::kAboutWindow, 200},
    {"AboutWindow", layout::kAboutWindow, layout::kMainWindow, 200},
    {"UpdateWindow, failed", layout::kUpdateWindow, layout::kAboutWindow, 20, true},
};

constexpr int kUpdatePort = 18631;  // the build's update host
constexpr ULONGLONG kUpdateBoundMs = 20000;

// The build's update host for the failed-update cycles: a signed newer
// version whose download answers 500; every box is answered yes.
struct FailingUpdates {
  LoopbackServer server{[](const std::string& path) {
                          if (path != "/vexbox/Version.html") return Reply{Fault::Status500, "gone"};
                          const std::string download =
                              "http://127.0.0.1:" + std::to_string(kUpdatePort) + "/vexbox/new.exe";
                          return Reply{Fault::None, signedTestPage(download, "N")};
                        },
                        kUpdatePort};
  BoxWatcher boxes{IDOK};
};

// 立即更新 pressed and agreed to; waits until the download has failed, its
// box is answered and UpdateWindow has closed.
void failOneUpdate(RunningApp& run) {
  run.ui().raise({layout::kAboutWindow, layout::about_window::超级按钮1}, Event::Clicked);
  const auto& update = run.app().state().update.selfUpdate;
  for (const ULONGLONG start = GetTickCount64(); GetTickCount64() - start < kUpdateBoundMs; pump(20))
    if (!update.downloader.running() && !run.ui().isOpen(layout::kUpdateWindow)) break;
}

// Memory margins: the first cycles warm caches (fonts, image lists, the
// heap's free lists); a leak of a few KB per cycle overshoots these many
// times over after 200 cycles.
constexpr long long kMemoryMargin = 1024 * 1024;
constexpr long long kHeapMargin = 256 * 1024;

TEST(WindowCycles, EverySecondaryWindowOpens200TimesWithoutLeaking) {
  RunningApp run;
  run.app().state().update.selfUpdate.trust.publicKey = kReleaseKey;
  // Owners open for the windows that need one; they stay across the cycles.
  run.ui().open(layout::kItemChartWindow);
  run.ui().open(layout::kAboutWindow, layout::kMainWindow);
  pump(300);
  ASSERT_GT(usage().gdiTable, 0) << "the GDI table is readable";
  ASSERT_GT(usage().windows, 0);
  for (const Cycle& c : kCycles) {
    std::optional<FailingUpdates> updates;
    if (c.failedUpdate) {
      updates.emplace();
      ASSERT_TRUE(updates->server.listening()) << "port " << kUpdatePort;
    }
    // Each step's messages are handled before the next; waiting beyond
    // that only made the cycles slower.
    auto once = [&] {
      if (c.failedUpdate) return failOneUpdate(run);
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
    const int boxesBefore = updates ? updates->boxes.count() : 0;
    const ULONGLONG start = GetTickCount64();
    const int times = testParameter("VEX_WINDOW_CYCLES", c.times);
    for (int i = 0; i < times; ++i) once();
    pump(300);
    const Usage after = usage();
    // Each failed update asked and then told the failure.
    if (updates) {
      EXPECT_EQ(updates->boxes.count() - boxesBefore, 2 * times) << c.name;
    }
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
