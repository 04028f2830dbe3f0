#include <string>

#include "fuzz_input.h"
#include "net/cookie_merge.h"

using namespace vex;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto p = fuzz::pieces(data, size, 2);
  std::string oldCookies = p[0], newCookies = p[1];
  const std::string merged = merge_cookies(oldCookies, newCookies);
  require(oldCookies == merged);
  require(newCookies == text::remove_blanks(p[1]));
  // A lone lead byte can swallow the ";" after it, so entry checks hold for ASCII input.
  for (std::uint8_t c : p[0] + p[1]) {
    if (c >= 0x80) return 0;
  }
  for (const std::string& entry : text::split(merged, "; ")) {
    require(text::remove_blanks(entry) == entry);
    require(text::right(entry, 8) != "=deleted");
  }
  return 0;
}
