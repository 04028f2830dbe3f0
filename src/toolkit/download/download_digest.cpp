#include "toolkit/download/download_digest.h"

#include <cctype>

namespace vex {

std::string hexDigest(const Sha256Digest& digest) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  for (std::uint8_t b : digest) {
    hex += kHex[b >> 4];
    hex += kHex[b & 15];
  }
  return hex;
}

bool digestMatches(const Sha256Digest& digest, const std::string& published) {
  std::size_t b = 0, e = published.size();
  while (b < e && std::isspace(static_cast<unsigned char>(published[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(published[e - 1]))) --e;
  std::string text = published.substr(b, e - b);
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text == hexDigest(digest);
}

}  // namespace vex
