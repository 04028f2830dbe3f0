// The beacon clock off Windows (native builds and tests).
#include <cmath>
#include <ctime>

#include "online/timestamp_text.h"

namespace vex {

OleDate current_local_ole_date() {
  timespec now{};
  timespec_get(&now, TIME_UTC);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  return ole_date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                  local.tm_sec, static_cast<int>(now.tv_nsec / 1000000));
}

int ole_date_milliseconds(OleDate date) {
  const double ms = std::round((date - std::floor(date)) * 86400000.0);
  return static_cast<int>(std::fmod(ms, 1000.0));
}

}  // namespace vex
