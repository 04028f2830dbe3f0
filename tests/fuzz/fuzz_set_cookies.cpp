#include <string>

#include "fuzz_input.h"
#include "net/header_names.h"
#include "net/set_cookies.h"
#include "net/text_ops.h"

using namespace vex;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string raw(reinterpret_cast<const char*>(data), size);
  const std::string cookies = collect_set_cookies(raw);
  require(cookies.size() <= raw.size());
  if (raw.find("Set-Cookie: ") == std::string::npos) require(cookies.empty());

  const std::string fixed = normalize_header_names(raw);
  require(fixed.size() <= raw.size());
  require(normalize_header_names(fixed) == fixed);
  return 0;
}
