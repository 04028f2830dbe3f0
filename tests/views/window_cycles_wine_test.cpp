// Opening and closing each secondary window many times in one process
// leaves GDI and USER objects and private memory where they were.
#include <gtest/gtest.h>

#include <cstdio>

#include "native_probe.h"
// After windows.h (through native_probe.h), whose types it uses.
#include <psapi.h>
#include <winternl.h>

namespace vex::test {
namespace {

struct Usage {
  long gdi, user;              // as the system counts them (Wine: 0)
  long gdiTable;               // live entries of the process's GDI handle table
  long windows;                // windows of this thread, children included
  long long privateBytes;      // PrivateUsage (Wine: 0)
  long long committedPrivate;  // committed private pages, walked with VirtualQuery
  long long heapBytes;         // busy blocks of every heap
};

BOOL CALLBACK countChild(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

BOOL CALLBACK countWindow(HWND hwnd, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(hwnd, countChild, count);
  return TRUE;
}

// Wine answers GetGuiResources with 0, so GDI objects are also counted in
// the handle table the PEB points at (64K entries of 24 bytes, the type
// byte at offset 14), as Wine lays it out for its own process.
long gdiTableEntries() {
  // GCC 12 misreads the segment-register read inside NtCurrentTeb.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
  const auto* peb = reinterpret_cast<const std::uint8_t*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#pragma GCC diagnostic pop
  const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + 0xF8);
  if (!table) return 0;
  long live = 0;
  for (std::size_t i = 0; i < 0x10000; ++i)
    if (table[i * 24 + 14] != 0) ++live;
  return live;
}

// Wine reports no PrivateUsage; the committed private pages stand in for it.
long long committedPrivateBytes() {
  long long total = 0;
  MEMORY_BASIC_INFORMATION m;
  for (const char* at = nullptr; VirtualQuery(at, &m, sizeof m) == sizeof m;
       at = static_cast<const char*>(m.BaseAddress) + m.RegionSize) {
    if (m.State == MEM_COMMIT && m.Type == MEM_PRIVATE) total += static_cast<long long>(m.RegionSize);
  }
  return total;
}

long long heapBytesInUse() {
  HANDLE heaps[64];
  const DWORD n = GetProcessHeaps(64, heaps);
  long long used = 0;
  for (DWORD h = 0; h < n && h < 64; ++h) {
    if (!HeapLock(heaps[h])) continue;
    PROCESS_HEAP_ENTRY e{};
    while (HeapWalk(heaps[h], &e))
      if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) used += static_cast<long long>(e.cbData);
    HeapUnlock(heaps[h]);
  }
  return used;
}

Usage usage() {
  PROCESS_MEMORY_COUNTERS_EX m{};
  m.cb = sizeof m;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m), sizeof m);
  Usage u{static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)),
          static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)),
          gdiTableEntries(),
          0,
          static_cast<long long>(m.PrivateUsage),
          committedPrivateBytes(),
          heapBytesInUse()};
  EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&u.windows));
  return u;
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

// Margins: the first cycles warm caches (fonts, image lists, the heap's
// free lists); a leak of one object or a few KB per cycle overshoots these
// many times over after 200 cycles.
constexpr long kObjectMargin = 8;
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
    auto once = [&] {
      if (run.ui().isOpen(c.window)) run.ui().close(c.window);
      pump(5);
      run.ui().open(c.window, c.owner);
      pump(5);
      run.ui().close(c.window);
      pump(5);
    };
    if (c.owner && !run.ui().isOpen(c.owner))
      run.ui().open(c.owner, c.owner == layout::kAboutWindow ? layout::kMainWindow : 0);
    for (int i = 0; i < 10; ++i) once();  // warm-up
    pump(200);
    const Usage before = usage();
    const ULONGLONG start = GetTickCount64();
    for (int i = 0; i < c.times; ++i) once();
    pump(300);
    const Usage after = usage();
    std::printf(
        "%-16s %3d cycles in %6llu ms: GDI %ld -> %ld (table %ld -> %ld), USER %ld -> %ld, windows %ld -> "
        "%ld,\n"
        "%-16s private %lld -> %lld KB (committed %lld -> %lld KB), heap %lld -> %lld KB\n",
        c.name, c.times, GetTickCount64() - start, before.gdi, after.gdi, before.gdiTable, after.gdiTable,
        before.user, after.user, before.windows, after.windows, "", before.privateBytes / 1024,
        after.privateBytes / 1024, before.committedPrivate / 1024, after.committedPrivate / 1024,
        before.heapBytes / 1024, after.heapBytes / 1024);
    EXPECT_LE(after.gdi - before.gdi, kObjectMargin) << c.name;
    EXPECT_LE(after.gdiTable - before.gdiTable, kObjectMargin) << c.name;
    EXPECT_LE(after.user - before.user, kObjectMargin) << c.name;
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
  EXPECT_EQ(rowCount(run.control(layout::kHeroListWindow, layout::hero_list_window::英雄超级列表框)), 51);
}

}  // namespace
}  // namespace vex::test
