#include <string>

#include "fuzz_input.h"
#include "net/text_ops.h"
#include "toolkit/internet/url_parts.h"

using namespace vex;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string address(reinterpret_cast<const char*>(data), size);
  const std::string host = url_host(address);
  const std::string withPort = url_host(address, true);
  require(withPort.substr(0, host.size()) == host);
  require(text::find(host, "/") == -1);
  require(text::to_lower(host) == host);
  url_port(address);
  const std::string path = url_path(address);
  require(!path.empty() && path[0] == '/');
  return 0;
}
