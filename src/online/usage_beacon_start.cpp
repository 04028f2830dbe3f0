// The beacon's Windows side: WinInet and its own thread.
#include <system_error>
#include <thread>

#include "online/usage_beacon.h"
#include "toolkit/internet/wininet_api.h"
#include "toolkit/system/quiet_thread.h"

namespace vex {

namespace {
// The start's window is drawn first; the report can wait that long.
constexpr unsigned kFirstPaintWaitMs = 5000;
}  // namespace

void send_usage_beacon(std::chrono::milliseconds deadline) {
  WinInetApi wininet;
  BoundedInternet net(wininet, {.deadline = deadline});
  send_usage_beacon(net);
}

void startUsageBeacon() {
  try {
    std::thread([] {
      win::yieldToWindows(kFirstPaintWaitMs);
      send_usage_beacon();
    }).detach();
  } catch (const std::system_error&) {
    // No thread, no beacon: the program goes on without it.
  }
}

}  // namespace vex
