// A suite's repeat count or bound, taken from the environment when given
// (for a quick look, or a longer hunt), otherwise the suite's own figure.
#pragma once
#include <cstdlib>

namespace vex::test {

inline int testParameter(const char* name, int fallback) {
  const char* text = std::getenv(name);
  if (!text || !*text) return fallback;
  const int value = std::atoi(text);
  return value > 0 ? value : fallback;
}

}  // namespace vex::test
