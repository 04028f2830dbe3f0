#include "toolkit/pictures/content_hash.h"

#include <cstring>

namespace vex {

namespace {

constexpr std::uint64_t kMix = 0xC6A4A7935BD1E995ULL;
constexpr std::uint64_t kPrime = (std::uint64_t{1} << 61) - 1;
constexpr std::uint64_t kBase = 0x1F3D5B79A2C4E687ULL % kPrime;

std::uint64_t mixWord(std::uint64_t h, std::uint64_t w) {
  w *= kMix;
  w ^= w >> 47;
  w *= kMix;
  return (h ^ w) * kMix;
}

std::uint64_t reduce(std::uint64_t v) {
  v = (v & kPrime) + (v >> 61);
  return v >= kPrime ? v - kPrime : v;
}

// h * kBase + piece modulo the prime; h < kPrime, piece < 2^32.
std::uint64_t step(std::uint64_t h, std::uint32_t piece) {
  const unsigned __int128 m = static_cast<unsigned __int128>(h) * kBase;
  const std::uint64_t low = static_cast<std::uint64_t>(m) & kPrime;
  const std::uint64_t high = static_cast<std::uint64_t>(m >> 61);
  return reduce(reduce(low + high) + piece);
}

}  // namespace

ContentHash contentHash(std::span<const std::uint8_t> bytes) {
  ContentHash out;
  out.length = bytes.size();
  std::uint64_t mixed = 0x2545F4914F6CDD1DULL ^ (bytes.size() * kMix), polynomial = 1;
  std::size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    std::uint64_t w;
    std::memcpy(&w, bytes.data() + at, 8);
    mixed = mixWord(mixed, w);
    polynomial = step(step(polynomial, static_cast<std::uint32_t>(w)), static_cast<std::uint32_t>(w >> 32));
  }
  if (at < bytes.size()) {
    std::uint64_t w = 0;  // the length tells a short tail from zeros
    std::memcpy(&w, bytes.data() + at, bytes.size() - at);
    mixed = mixWord(mixed, w);
    polynomial = step(step(polynomial, static_cast<std::uint32_t>(w)), static_cast<std::uint32_t>(w >> 32));
  }
  mixed ^= mixed >> 47;
  mixed *= kMix;
  mixed ^= mixed >> 47;
  out.mixed = mixed;
  out.polynomial = polynomial;
  return out;
}

}  // namespace vex
