// SHA-256 (FIPS 180-4), to check a downloaded file against a published digest.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vex {

class Sha256 {
 public:
  Sha256();
  void update(std::span<const std::uint8_t> bytes);
  // Finishes the digest; the object must not be updated afterwards.
  std::array<std::uint8_t, 32> finish();

 private:
  void block(const std::uint8_t* p);

  std::array<std::uint32_t, 8> state_;
  std::array<std::uint8_t, 64> buffer_{};
  std::size_t buffered_ = 0;
  std::uint64_t length_ = 0;  // bytes
};

// Lower-case hex of a digest.
std::string hexDigest(const std::array<std::uint8_t, 32>& digest);

// True when `published` (hex in any case, blanks around it allowed) names `digest`.
bool digestMatches(const std::array<std::uint8_t, 32>& digest, const std::string& published);

}  // namespace vex
