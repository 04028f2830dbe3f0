// A SHA-256 digest and its hex spelling.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vex {

using Sha256Digest = std::array<std::uint8_t, 32>;

// Lower-case hex of a digest.
std::string hexDigest(const Sha256Digest& digest);

}  // namespace vex
