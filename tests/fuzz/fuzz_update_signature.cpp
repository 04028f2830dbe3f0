// The key and signature forms of a signed update on arbitrary bytes: no
// read outside the input, and whatever is accepted has the sizes the
// system's verification takes.
#include <string_view>

#include "fuzz_input.h"
#include "toolkit/download/download_signature.h"

using namespace vex;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto decoded = base64Decode(text)) require(decoded->size() * 4 <= size * 3);
  p256KeyFromPem(text);
  if (const auto signature = p256SignatureFromDer({data, size})) require(size >= 8 && size <= 72);
  return 0;
}
