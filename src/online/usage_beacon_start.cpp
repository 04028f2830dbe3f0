// The beacon's Windows side: WinInet and its own thread.
#include <system_error>
#include <thread>

#include "online/bounded_internet_api.h"
#include "online/usage_beacon.h"
#include "toolkit/internet/wininet_api.h"

namespace vex {

void send_usage_beacon() {
  WinInetApi wininet;
  // A silent counter must not keep the thread for ever.
  BoundedInternetApi api(wininet);
  send_usage_beacon(api);
}

void beacon_thread() { send_usage_beacon(); }

void startUsageBeacon() {
  try {
    std::thread(beacon_thread).detach();
  } catch (const std::system_error&) {
    // No thread, no beacon: the program goes on without it.
  }
}

}  // namespace vex
