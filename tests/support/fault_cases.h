// The ways a server fails, as tables every fault suite walks: the usual
// failures (nothing listening, silence, a reset, a 500 page, no HTTP at
// all) and the hostile servers that hold on or pour out for as long as a
// client lets them.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "loopback_server.h"

namespace vex::test {

struct FaultCase {
  const char* name;
  bool refuse;  // nothing listens; otherwise a server with `fault`
  Fault fault;
};

inline constexpr FaultCase kFaultCases[] = {
    {"Refused", true, Fault::None},
    {"Stalled", false, Fault::Stall},
    {"ResetMidResponse", false, Fault::Reset},
    {"Status500", false, Fault::Status500},
    {"GarbageHeaders", false, Fault::GarbageHeaders},
};

inline std::string faultCaseName(const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; }

enum class Hostile {
  SlowStatusLine,
  SelfRedirect,
  RedirectLoop,
  Trickle,
  TrickleOfAnnouncedLength,
  EndlessBody,
  RedirectToHugeFile,
};
inline constexpr Hostile kHostileServers[] = {
    Hostile::SlowStatusLine,           Hostile::SelfRedirect, Hostile::RedirectLoop,       Hostile::Trickle,
    Hostile::TrickleOfAnnouncedLength, Hostile::EndlessBody,  Hostile::RedirectToHugeFile,
};
const char* hostileName(Hostile hostile);
// The hostile server's behaviour table: its reply to a request for `path`.
Reply hostileReply(Hostile hostile, const std::string& path);

}  // namespace vex::test
