// What a long run could leak: GDI objects, USER objects (our windows) and
// memory, measured for the whole process.
#pragma once
#include <windows.h>
// After windows.h, whose types they use.
#include <psapi.h>
#include <winternl.h>

#include <cstddef>
#include <cstdint>

namespace vex::test {

struct ProcessCounts {
  DWORD gdi = 0, user = 0;   // as the system counts them (Wine says 0)
  std::size_t gdiTable = 0;  // live entries of the process's GDI handle table
  // Of them, window DCs. Wine keeps each one it handed out (with its
  // visible region and one more object: three entries) for the next
  // GetDC or BeginPaint of any window of the process, so their number is
  // the most ever held at once, not a leak; a DC never released still
  // adds one each time.
  std::size_t windowDcs = 0;
  int windows = 0;  // top-level and child windows of this thread
  std::size_t privateBytes = 0, heapBytes = 0;
  std::size_t committedPrivate = 0;  // private pages committed (Wine reports no PrivateUsage)
};

namespace counts_detail {

inline BOOL CALLBACK countChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

inline BOOL CALLBACK countWindow(HWND hwnd, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(hwnd, countChild, count);
  return TRUE;
}

// Wine answers GetGuiResources with 0; its GDI handle table, which the PEB
// points at (64K entries of 24 bytes: the handle's upper half at offset 12,
// the type byte at 14), still tells.
inline void countGdiTable(ProcessCounts& c) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
  const auto* peb = reinterpret_cast<const std::uint8_t*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#pragma GCC diagnostic pop
  const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + 0xF8);
  if (!table) return;
  constexpr std::uint8_t kDcEntry = 0x01;
  for (std::size_t i = 0; i < 0x10000; ++i) {
    const std::uint8_t* entry = table + i * 24;
    if (entry[14] == 0) continue;
    ++c.gdiTable;
    if (entry[14] != kDcEntry) continue;
    const auto upper = static_cast<std::uintptr_t>(entry[12] | entry[13] << 8);
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(upper << 16 | i)) == OBJ_DC) ++c.windowDcs;
  }
}

inline std::size_t heapBytesInUse() {
  HANDLE heaps[64];
  const DWORD n = GetProcessHeaps(64, heaps);
  std::size_t used = 0;
  for (DWORD h = 0; h < n && h < 64; ++h) {
    if (!HeapLock(heaps[h])) continue;
    PROCESS_HEAP_ENTRY e{};
    while (HeapWalk(heaps[h], &e))
      if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) used += e.cbData;
    HeapUnlock(heaps[h]);
  }
  return used;
}

inline std::size_t committedPrivateBytes() {
  std::size_t total = 0;
  MEMORY_BASIC_INFORMATION info;
  for (const char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info;
       at = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
    if (info.RegionSize == 0) break;
  }
  return total;
}

}  // namespace counts_detail

inline ProcessCounts measureProcess() {
  ProcessCounts c;
  c.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  c.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  counts_detail::countGdiTable(c);
  PROCESS_MEMORY_COUNTERS_EX pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof pmc);
  c.privateBytes = pmc.PrivateUsage;
  c.heapBytes = counts_detail::heapBytesInUse();
  c.committedPrivate = counts_detail::committedPrivateBytes();
  EnumThreadWindows(GetCurrentThreadId(), counts_detail::countWindow, reinterpret_cast<LPARAM>(&c.windows));
  return c;
}

}  // namespace vex::test
