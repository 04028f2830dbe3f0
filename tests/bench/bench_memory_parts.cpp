// Where the memory of a started Vexbox goes, inside the process under Wine:
// the whole start against the process as it entered main, then its parts
// (the game tables on their own, the native windows, the GDI objects and the
// bytes of their bitmaps, the list views' image lists, the heap), and what
// one more child window costs, measured on a hundred plain ones.
#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "../support/process_counts.h"
#include "app/app.h"
#include "data/game_tables.h"

namespace {

using namespace vex;

double mb(double bytes) { return bytes / (1024.0 * 1024.0); }
double kb(double bytes) { return bytes / 1024.0; }

struct Memory {
  double resident = 0, committed = 0, heap = 0;
  int windows = 0;
  std::size_t gdi = 0;
};

Memory memoryNow() {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  const test::ProcessCounts c = test::measureProcess();
  return {static_cast<double>(pmc.WorkingSetSize), static_cast<double>(c.committedPrivate),
          static_cast<double>(c.heapBytes), c.windows, c.gdiTable};
}

void printDelta(const char* what, const Memory& from, const Memory& to) {
  std::printf("%-34s resident %+7.2f MB  committed %+7.2f MB  heap %+7.2f MB  windows %+4d  GDI %+5lld\n",
              what, mb(to.resident - from.resident), mb(to.committed - from.committed),
              mb(to.heap - from.heap), to.windows - from.windows,
              static_cast<long long>(to.gdi) - static_cast<long long>(from.gdi));
}

void drain() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// The live GDI objects of the process by kind, from Wine's handle table
// (entry i with its unique word u is handle i | u << 16), with the bytes of
// every bitmap's pixels.
void printGdiObjects() {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
  const auto* peb = reinterpret_cast<const std::uint8_t*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#pragma GCC diagnostic pop
  const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + 0xF8);
  if (!table) return;
  std::map<DWORD, int> kinds;
  double bitmapBytes = 0;
  int dibSections = 0;
  for (std::size_t i = 0; i < 0x10000; ++i) {
    const std::uint8_t* e = table + i * 24;
    if (e[14] == 0) continue;
    const auto unique = static_cast<ULONG_PTR>(e[12] | e[13] << 8);
    auto* h = reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(i) | unique << 16);
    const DWORD kind = GetObjectType(h);
    ++kinds[kind];
    if (kind != OBJ_BITMAP) continue;
    DIBSECTION dib{};
    const int got = GetObjectW(h, sizeof dib, &dib);
    if (got == sizeof(DIBSECTION)) ++dibSections;
    if (got >= static_cast<int>(sizeof(BITMAP)))
      bitmapBytes += static_cast<double>(dib.dsBm.bmWidthBytes) * static_cast<double>(dib.dsBm.bmHeight);
  }
  const std::map<DWORD, const char*> names{
      {OBJ_BITMAP, "bitmaps"}, {OBJ_DC, "DCs"},   {OBJ_MEMDC, "memory DCs"}, {OBJ_FONT, "fonts"},
      {OBJ_BRUSH, "brushes"},  {OBJ_PEN, "pens"}, {OBJ_REGION, "regions"},   {OBJ_PAL, "palettes"}};
  std::printf("GDI objects:");
  for (auto [kind, n] : kinds) {
    const auto name = names.find(kind);
    std::printf(" %d %s", n, name == names.end() ? "other" : name->second);
  }
  std::printf("\nbitmap pixels: %.2f MB in %d bitmaps (%d DIB sections)\n", mb(bitmapBytes),
              kinds[OBJ_BITMAP], dibSections);
}

BOOL CALLBACK imageListsOf(HWND h, LPARAM total) {
  wchar_t cls[64] = {};
  GetClassNameW(h, cls, 64);
  if (lstrcmpW(cls, WC_LISTVIEWW) != 0) return TRUE;
  for (int which : {LVSIL_SMALL, LVSIL_NORMAL}) {
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(h, LVM_GETIMAGELIST, which, 0));
    int w = 0, ht = 0;
    if (!images || !ImageList_GetIconSize(images, &w, &ht)) continue;
    const int n = ImageList_GetImageCount(images);
    // Colour at 32 bits and a 1-bit mask, as comctl32 keeps them.
    *reinterpret_cast<double*>(total) += n * (w * ht * 4.0 + w * ht / 8.0);
    std::printf("image list: %d pictures of %dx%d\n", n, w, ht);
  }
  return TRUE;
}

BOOL CALLBACK eachTopLevel(HWND h, LPARAM total) {
  EnumChildWindows(h, imageListsOf, total);
  return TRUE;
}

// The program's own image: each section's size and how much of it is
// resident (pages touched so far), e.g. the compiled-in tables and pictures.
void printImageSections() {
  auto* base = reinterpret_cast<const std::uint8_t*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_SECTION_HEADER* sec = IMAGE_FIRST_SECTION(nt);
  std::printf("image sections (size, resident):");
  for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++sec) {
    const std::size_t pages = (sec->Misc.VirtualSize + 4095) / 4096;
    std::vector<PSAPI_WORKING_SET_EX_INFORMATION> info(pages);
    for (std::size_t p = 0; p < pages; ++p)
      info[p].VirtualAddress = const_cast<std::uint8_t*>(base + sec->VirtualAddress + p * 4096);
    int resident = -1;
    if (QueryWorkingSetEx(GetCurrentProcess(), info.data(), static_cast<DWORD>(pages * sizeof info[0]))) {
      resident = 0;
      for (const auto& page : info) resident += page.VirtualAttributes.Valid ? 1 : 0;
    }
    char name[9] = {};
    std::memcpy(name, sec->Name, 8);
    std::printf(" %s %.0f KB (%s)", name, kb(sec->Misc.VirtualSize),
                resident < 0 ? "?" : (std::to_string(resident * 4) + " KB").c_str());
  }
  std::printf("\n");
}

// What a plain child window costs: a hundred of them under a hidden popup.
void printPerWindowCost() {
  const Memory before = memoryNow();
  HWND parent =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  std::vector<HWND> children;
  for (int i = 0; i < 100; ++i)
    children.push_back(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, i % 10, i / 10, 8, 8, parent,
                                       nullptr, nullptr, nullptr));
  drain();
  const Memory after = memoryNow();
  std::printf("one child window: resident %.1f KB, committed %.1f KB, heap %.1f KB (of 100)\n",
              kb(after.resident - before.resident) / 100, kb(after.committed - before.committed) / 100,
              kb(after.heap - before.heap) / 100);
  DestroyWindow(parent);
  drain();
}

}  // namespace

int main() {
  const Memory entry = memoryNow();
  std::printf("at entry: resident %.2f MB, committed %.2f MB, heap %.2f MB\n", mb(entry.resident),
              mb(entry.committed), mb(entry.heap));
  {
    const Memory before = memoryNow();
    GameTables tables;
    loadGameTables(tables);
    printDelta("game tables alone (then freed)", before, memoryNow());
  }
  const Memory beforeStart = memoryNow();
  App app;
  app.start();
  drain();
  Sleep(1500);
  drain();
  const Memory started = memoryNow();
  printDelta("start: both windows drawn", beforeStart, started);
  std::printf("windows after start: %d (top-level and child)\n", started.windows);
  printGdiObjects();
  double imageBytes = 0;
  EnumThreadWindows(GetCurrentThreadId(), eachTopLevel, reinterpret_cast<LPARAM>(&imageBytes));
  std::printf("image lists: %.2f MB of pixels\n", mb(imageBytes));
  printImageSections();
  printPerWindowCost();
  app.exitSteps();
  return 0;
}
