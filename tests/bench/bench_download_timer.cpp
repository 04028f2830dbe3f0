// Times the background downloader on one URL: download_timer URL FILE
// [connections] [runs]. Prints one line per run and the best throughput.
#include <windows.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

#include "toolkit/download/download_host.h"
#include "toolkit/download/downloader.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: download_timer URL FILE [connections] [runs]\n");
    return 2;
  }
  const int connections = argc > 3 ? std::atoi(argv[3]) : 5;
  const int runs = argc > 4 ? std::atoi(argv[4]) : 3;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  double best = 0;
  for (int i = 1; i <= runs; ++i) {
    std::mutex mutex;
    std::condition_variable done;
    vex::DownloadNotice last;
    bool ended = false;
    vex::DownloadTask task;
    task.kind = vex::kTaskToFile;
    task.address = argv[1];
    task.file = argv[2];
    task.connections = connections;
    task.connectTimeoutMs = 5000;
    task.sendTimeoutMs = 5000;
    task.receiveTimeoutMs = 10000;
    task.readBufferBytes = 10240;
    task.notify = [&](const vex::DownloadNotice& n) {
      if (n.kind == vex::kNoticeEnded) {
        std::lock_guard lock(mutex);
        last = n;
        ended = true;
        done.notify_all();
      }
      return 0;
    };
    vex::win::Downloader downloader;
    QueryPerformanceCounter(&start);
    downloader.start(task);
    {
      std::unique_lock lock(mutex);
      done.wait(lock, [&] { return ended; });
    }
    QueryPerformanceCounter(&end);
    const double s =
        static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    const double mbps = static_cast<double>(last.total) / s / 1e6;
    std::printf("run %d: %s %lld bytes in %.3f s = %.1f MB/s\n", i, last.value == 1 ? "ok" : "FAILED",
                static_cast<long long>(last.total), s, mbps);
    if (last.value == 1 && mbps > best) best = mbps;
    vex::win::deleteFile(argv[2]);
  }
  std::printf("best %.1f MB/s\n", best);
  return best > 0 ? 0 : 1;
}
