// The key and signature forms of a signed update on arbitrary bytes: no
// read outside the input, whatever is accepted has the sizes the system's
// verification takes, and an accepted signature is the one DER spelling of
// its r and s (nothing else of the same value gets through).
#include <string_view>

#include "fuzz_input.h"
#include "toolkit/download/download_signature.h"

using namespace vex;
using fuzz::require;

namespace {

// The minimal DER INTEGER of a 32-byte big-endian scalar.
Bytes derInteger(const std::uint8_t* scalar) {
  std::size_t skip = 0;
  while (skip < 31 && scalar[skip] == 0) ++skip;
  Bytes out{0x02, 0};
  if (scalar[skip] & 0x80) out.push_back(0);
  out.insert(out.end(), scalar + skip, scalar + 32);
  out[1] = static_cast<std::uint8_t>(out.size() - 2);
  return out;
}

Bytes derSignature(const P256Signature& raw) {
  Bytes body = derInteger(raw.data());
  const Bytes s = derInteger(raw.data() + 32);
  body.insert(body.end(), s.begin(), s.end());
  Bytes out{0x30};
  if (body.size() >= 0x80) out.push_back(0x81);
  out.push_back(static_cast<std::uint8_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto decoded = base64Decode(text)) require(decoded->size() * 4 <= size * 3);
  p256KeyFromPem(text);
  if (const auto signature = p256SignatureFromDer({data, size})) {
    require(size >= 8 && size <= 72);
    require(derSignature(*signature) == Bytes(data, data + size));
  }
  return 0;
}
