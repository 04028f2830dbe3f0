#include "online/edition_order.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vex::online {

namespace {

constexpr std::size_t kMaxParts = 8;
constexpr std::size_t kMaxDigits = 9;
using Parts = std::array<std::uint32_t, kMaxParts>;

std::optional<Parts> parts(std::string_view edition) {
  Parts out{};
  std::size_t count = 0, digits = 0;
  bool leadingZero = false;
  for (std::size_t i = 0; i <= edition.size(); ++i) {
    if (i == edition.size() || edition[i] == '.') {
      if (digits == 0) return std::nullopt;
      // A dot after the last part there is room for.
      if (++count == kMaxParts && i < edition.size()) return std::nullopt;
      digits = 0;
      leadingZero = false;
      continue;
    }
    const char c = edition[i];
    if (c < '0' || c > '9' || leadingZero || ++digits > kMaxDigits) return std::nullopt;
    leadingZero = digits == 1 && c == '0';
    out[count] = out[count] * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return out;
}

}  // namespace

bool editionWellFormed(std::string_view edition) { return parts(edition).has_value(); }

bool editionNewer(std::string_view edition, std::string_view current) {
  const auto a = parts(edition), b = parts(current);
  return a && b && *a > *b;
}

}  // namespace vex::online
