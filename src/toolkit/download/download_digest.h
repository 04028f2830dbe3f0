// How a published SHA-256 digest is compared with a computed one.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vex {

using Sha256Digest = std::array<std::uint8_t, 32>;

// Lower-case hex of a digest.
std::string hexDigest(const Sha256Digest& digest);

// True when `published` (hex in any case, blanks around it allowed) names `digest`.
bool digestMatches(const Sha256Digest& digest, const std::string& published);

}  // namespace vex
