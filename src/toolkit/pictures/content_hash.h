// A picture's identity by its content. Views rebuild picture bytes on every
// write, so an address says nothing about them; two unrelated 64-bit hashes
// and the length make a chance match of two different pictures practically
// impossible.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

namespace vex {

struct ContentHash {
  std::uint64_t mixed = 0;       // word-wise multiply and shift mixing
  std::uint64_t polynomial = 0;  // polynomial over 32-bit pieces modulo 2^61 - 1
  std::size_t length = 0;
  bool operator==(const ContentHash&) const = default;
};

ContentHash contentHash(std::span<const std::uint8_t> bytes);

}  // namespace vex
