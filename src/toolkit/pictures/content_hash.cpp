// Both hashes run four independent lanes over each 32-byte block, so the
// processor works on them side by side: a picture is hashed every time a
// control is given it, and that must cost far less than decoding it.
#include "toolkit/pictures/content_hash.h"

#include <cstring>

namespace vex {

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ULL;
constexpr std::uint64_t kMurmur = 0xC6A4A7935BD1E995ULL;

std::uint64_t rotl(std::uint64_t v, int by) { return (v << by) | (v >> (64 - by)); }

std::uint64_t mixRound(std::uint64_t lane, std::uint64_t word) {
  return rotl(lane + word * kPrime2, 31) * kPrime1;
}

// A second round of another kind: the word is mixed on its own first, then
// folded in by xor and multiplication (no addition, no rotation).
std::uint64_t murmurRound(std::uint64_t lane, std::uint64_t word) {
  word *= kMurmur;
  word ^= word >> 47;
  word *= kMurmur;
  return (lane ^ word) * kMurmur;
}

struct Lanes {
  std::uint64_t first[4];
  std::uint64_t second[4];

  explicit Lanes(std::size_t length) {
    const std::uint64_t start = length * kPrime3;
    first[0] = start + kPrime1 + kPrime2;
    first[1] = start + kPrime2;
    first[2] = start;
    first[3] = start - kPrime1;
    for (int k = 0; k < 4; ++k) second[k] = (0x2545F4914F6CDD1DULL + k) ^ (length * kMurmur);
  }

  void block(const std::uint8_t* p) {
    std::uint64_t w[4];
    std::memcpy(w, p, sizeof w);
    for (int k = 0; k < 4; ++k) {
      first[k] = mixRound(first[k], w[k]);
      second[k] = murmurRound(second[k], w[k]);
    }
  }
};

std::uint64_t avalanche(std::uint64_t h) {
  h ^= h >> 33;
  h *= kPrime2;
  h ^= h >> 29;
  h *= kPrime3;
  return h ^ (h >> 32);
}

}  // namespace

ContentHash contentHash(std::span<const std::uint8_t> bytes) {
  Lanes lanes(bytes.size());
  std::size_t at = 0;
  for (; at + 32 <= bytes.size(); at += 32) lanes.block(bytes.data() + at);
  if (at < bytes.size()) {
    std::uint8_t tail[32] = {};  // the length tells a short tail from zeros
    std::memcpy(tail, bytes.data() + at, bytes.size() - at);
    lanes.block(tail);
  }
  ContentHash out;
  out.length = bytes.size();
  std::uint64_t first =
      rotl(lanes.first[0], 1) + rotl(lanes.first[1], 7) + rotl(lanes.first[2], 12) + rotl(lanes.first[3], 18);
  for (std::uint64_t lane : lanes.first) first = (first ^ mixRound(0, lane)) * kPrime1 + kPrime3;
  out.first = avalanche(first);
  std::uint64_t second = 0;
  for (std::uint64_t lane : lanes.second) second = murmurRound(second, lane);
  second ^= second >> 47;
  second *= kMurmur;
  out.second = second ^ (second >> 47);
  return out;
}

}  // namespace vex
