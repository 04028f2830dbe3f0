#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "toolkit/pictures/picture_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const vex::DecodedPicture p = vex::decodePicture(bytes);
  if (!p.empty() && p.bgra.size() != static_cast<std::size_t>(p.width) * p.height * 4) std::abort();
  // Each reader also on its own, so that one format's bytes reach the others.
  vex::decodeBmp(bytes);
  vex::decodeIco(bytes);
  vex::decodeDib(bytes, size % 2 == 0);
  return 0;
}
