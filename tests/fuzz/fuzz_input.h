// Splits a fuzzer input into texts at 0xFF bytes (never part of a GBK
// character), so one input can feed several arguments.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vex::fuzz {

inline std::vector<std::string> pieces(const std::uint8_t* data, std::size_t size, std::size_t count) {
  std::vector<std::string> out(count);
  std::size_t k = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0xFF && k + 1 < count) {
      ++k;
      continue;
    }
    out[k] += static_cast<char>(data[i]);
  }
  return out;
}

inline void require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace vex::fuzz
