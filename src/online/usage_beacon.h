// One page view reported to the analytics counter per program start.
#pragma once
// <chrono> itself does not compile with GBK narrow literals; this brings
// the durations.
#include <condition_variable>
#include <string>

#include "toolkit/internet/bounded_internet.h"

namespace vex {

// The counter address for a timestamp: the query keys in their fixed order,
// the maker site inserted verbatim.
std::string usage_beacon_url(const std::string& timestamp);
// "Referer:" and the maker site, no space between.
std::string usage_beacon_headers();

// One GET within the bounds of `net`; the reply and every failure are ignored.
void send_usage_beacon(BoundedInternet& net);

// The beacon's whole exchange, whatever the counter does.
inline constexpr std::chrono::milliseconds kBeaconDeadline{30000};

#ifdef _WIN32
// Through WinInet, loaded for the call.
void send_usage_beacon(std::chrono::milliseconds deadline = kBeaconDeadline);
// The last start-up step: starts a detached thread that sends one beacon
// once the windows are idle, and returns at once. Touches no window and no
// program-wide state.
void startUsageBeacon();
#endif

}  // namespace vex
