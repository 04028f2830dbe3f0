#include "views/gbk_text.h"

namespace vex {

namespace {
bool isLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
}  // namespace

bool gbkContains(const Text& haystack, const Text& needle) {
  if (needle.empty()) return true;
  const std::size_t n = haystack.size();
  for (std::size_t i = 0; i + needle.size() <= n;) {
    if (haystack.compare(i, needle.size(), needle) == 0) return true;
    i += (isLeadByte(static_cast<unsigned char>(haystack[i])) && i + 1 < n) ? 2 : 1;
  }
  return false;
}

std::int32_t decimalOrZero(const Text& text) {
  if (text.empty() || text.size() > 9) return 0;
  std::int32_t value = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return 0;
    value = value * 10 + (ch - '0');
  }
  return value;
}

}  // namespace vex
