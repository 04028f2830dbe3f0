// Start-up figures under Wine, black-box: from CreateProcess until the
// second popup (LineupWindow, 542 × 380) is visible and the program idles,
// then resident and committed private memory once it has settled, for
// vexbox.exe beside the structural floor, alternated in the same run.
//   bench_startup.exe <vexbox.exe> <floor.exe> [runs]
#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "blackbox.h"

namespace {

using namespace vex::bench;

struct Sample {
  double readyMs = -1, privateMb = -1, residentMb = -1;
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

Sample measure(const std::wstring& exe) {
  Sample s;
  const double t0 = nowMs();
  Started p(exe);
  if (!p.ok()) return s;
  if (!waitReady(p, 542, 380)) return s;
  s.readyMs = nowMs() - t0;
  Sleep(1500);  // what start-up left behind, not its peak
  PROCESS_MEMORY_COUNTERS_EX pmc{};
  pmc.cb = sizeof pmc;
  if (GetProcessMemoryInfo(p.process(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof pmc)) {
    s.privateMb = static_cast<double>(pmc.PrivateUsage) / (1024.0 * 1024.0);
    s.residentMb = static_cast<double>(pmc.WorkingSetSize) / (1024.0 * 1024.0);
  }
  if (s.privateMb <= 0) s.privateMb = committedPrivateMb(p.process());
  return s;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_startup vexbox.exe floor.exe [runs]\n");
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 7;
  std::vector<double> vexReady, floorReady, vexPrivate, floorPrivate, vexResident, floorResident;
  measure(argv[2]);  // warms the prefix and the file cache
  measure(argv[1]);
  for (int i = 0; i < runs; ++i) {
    const Sample f = measure(argv[2]);
    const Sample v = measure(argv[1]);
    std::printf("run %d: ready vexbox %.1f ms, floor %.1f ms\n", i + 1, v.readyMs, f.readyMs);
    if (v.readyMs < 0 || f.readyMs < 0) {
      std::printf("a program did not get ready within 20 s\n");
      return 1;
    }
    floorReady.push_back(f.readyMs);
    vexReady.push_back(v.readyMs);
    floorPrivate.push_back(f.privateMb);
    vexPrivate.push_back(v.privateMb);
    floorResident.push_back(f.residentMb);
    vexResident.push_back(v.residentMb);
  }
  const double vs = median(vexReady), fs = median(floorReady);
  std::printf("start_to_ready_ms\t%.1f\tfloor %.1f\t%.2fx the floor (target <= 1.25x), median of %d\n", vs,
              fs, vs / fs, runs);
  const double vr = median(vexResident), fr = median(floorResident);
  std::printf("resident_memory_mb\t%.1f\tfloor %.1f\t+%.1f MB (target <= +4 MB)\n", vr, fr, vr - fr);
  const double vp = median(vexPrivate), fp = median(floorPrivate);
  std::printf("private_memory_mb\t%.1f\tfloor %.1f\t+%.1f MB (target <= +4 MB)\n", vp, fp, vp - fp);
  return 0;
}
