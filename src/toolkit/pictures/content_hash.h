// A picture's identity by its content. Views rebuild picture bytes on every
// write, so an address says nothing about them; two unrelated 64-bit hashes
// and the length make a chance match of two different pictures practically
// impossible.
#pragma once
#include <compare>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vex {

struct ContentHash {
  std::uint64_t first = 0;   // add, rotate, multiply rounds
  std::uint64_t second = 0;  // xor and multiply rounds over pre-mixed words
  std::size_t length = 0;
  auto operator<=>(const ContentHash&) const = default;
};

ContentHash contentHash(std::span<const std::uint8_t> bytes);

}  // namespace vex
