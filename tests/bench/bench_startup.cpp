// Start-up figures under Wine: process start to the first painted window,
// and private memory once started, for vexbox.exe beside a bare popup of
// the same size started the same way in the same run.
//   bench_startup.exe <vexbox.exe> <bare_popup.exe> [runs]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Sample {
  double startMs = -1;
  double privateMb = -1;
  double residentMb = -1;
};

// Wine reports no PrivateUsage; the committed private pages stand in for it.
double committedPrivateMb(HANDLE process) {
  double total = 0;
  MEMORY_BASIC_INFORMATION m;
  for (const char* at = nullptr; VirtualQueryEx(process, at, &m, sizeof m) == sizeof m;
       at = static_cast<const char*>(m.BaseAddress) + m.RegionSize) {
    if (m.State == MEM_COMMIT && m.Type == MEM_PRIVATE) total += static_cast<double>(m.RegionSize);
    if (m.RegionSize == 0) break;
  }
  return total / (1024.0 * 1024.0);
}

struct Search {
  DWORD pid;
  HWND found = nullptr;
};

BOOL CALLBACK visibleWindowOf(HWND h, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid == s->pid && IsWindowVisible(h)) {
    s->found = h;
    return FALSE;
  }
  return TRUE;
}

double nowMs() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

Sample measure(const std::wstring& exe) {
  Sample s;
  std::wstring cmd = L"\"" + exe + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  const double t0 = nowMs();
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return s;
  // The first paint has happened once a window is visible and the program's
  // queue has gone idle (the paint is the last thing it does at start).
  Search search{pi.dwProcessId};
  while (nowMs() - t0 < 20000) {
    EnumWindows(visibleWindowOf, reinterpret_cast<LPARAM>(&search));
    if (search.found && WaitForInputIdle(pi.hProcess, 0) == 0) break;
    Sleep(1);
  }
  if (search.found) {
    UpdateWindow(search.found);
    s.startMs = nowMs() - t0;
  }
  Sleep(1500);
  PROCESS_MEMORY_COUNTERS_EX pmc{};
  pmc.cb = sizeof(pmc);
  if (GetProcessMemoryInfo(pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof(pmc))) {
    s.privateMb = static_cast<double>(pmc.PrivateUsage) / (1024.0 * 1024.0);
    s.residentMb = static_cast<double>(pmc.WorkingSetSize) / (1024.0 * 1024.0);
  }
  if (s.privateMb <= 0) s.privateMb = committedPrivateMb(pi.hProcess);
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return s;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? -1 : v[v.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_startup vexbox.exe bare_popup.exe [runs]\n");
    return 2;
  }
  const int runs = argc > 3 ? _wtoi(argv[3]) : 5;
  std::vector<double> vexStart, vexMem, bareStart, bareMem, vexRes, bareRes;
  measure(argv[2]);  // warm the prefix and the file cache
  for (int i = 0; i < runs; ++i) {
    Sample b = measure(argv[2]);
    Sample v = measure(argv[1]);
    bareStart.push_back(b.startMs);
    bareMem.push_back(b.privateMb);
    bareRes.push_back(b.residentMb);
    vexRes.push_back(v.residentMb);
    vexStart.push_back(v.startMs);
    vexMem.push_back(v.privateMb);
  }
  const double vs = median(vexStart), bs = median(bareStart), vm = median(vexMem), bm = median(bareMem);
  std::printf("startup_first_paint_ms\t%.1f\tbare popup %.1f\t(+%.0f%%, target <= +15%%)\n", vs, bs,
              bs > 0 ? 100.0 * (vs - bs) / bs : 0.0);
  std::printf("private_memory_mb\t%.1f\tbare popup %.1f\t(+%.1f MB, target <= +4 MB)\n", vm, bm, vm - bm);
  const double vr = median(vexRes), br = median(bareRes);
  std::printf("resident_memory_mb\t%.1f\tbare popup %.1f\t(+%.1f MB, target <= +4 MB)\n", vr, br, vr - br);
  return 0;
}
