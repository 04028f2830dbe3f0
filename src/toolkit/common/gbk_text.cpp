#include "toolkit/common/gbk_text.h"

#include <algorithm>

namespace vex::text {

namespace {

constexpr unsigned char kLeadMin = 0x80;

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string_view cut(std::string_view text) {
  const auto nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

std::size_t width(std::string_view t, std::size_t i) {
  if (static_cast<unsigned char>(t[i]) >= kLeadMin && i + 1 < t.size()) return 2;
  return 1;
}

bool matchesAt(std::string_view t, std::size_t i, std::string_view part, bool ignore_case) {
  if (part.size() > t.size() - i) return false;
  for (std::size_t k = 0; k < part.size(); ++k) {
    const char a = t[i + k];
    const char b = part[k];
    if (ignore_case ? asciiLower(a) != asciiLower(b) : a != b) return false;
  }
  return true;
}

int length(std::string_view text) { return static_cast<int>(cut(text).size()); }

std::string left(std::string_view text, int n) {
  const std::string_view t = cut(text);
  if (n <= 0) return {};
  return std::string(t.substr(0, std::min<std::size_t>(static_cast<std::size_t>(n), t.size())));
}

std::string right(std::string_view text, int n) {
  const std::string_view t = cut(text);
  if (n <= 0) return {};
  const std::size_t take = std::min<std::size_t>(static_cast<std::size_t>(n), t.size());
  return std::string(t.substr(t.size() - take));
}

std::string middle(std::string_view text, int start, int n) {
  const std::string_view t = cut(text);
  if (n <= 0 || start < 1 || static_cast<std::size_t>(start) > t.size()) return {};
  return std::string(t.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(n)));
}

int find(std::string_view text, std::string_view part, int start, bool ignore_case) {
  const std::string_view t = cut(text);
  const std::string_view p = cut(part);
  if (start < 1) start = 1;
  if (static_cast<std::size_t>(start) > t.size()) return -1;
  if (p.empty()) return 1;
  for (std::size_t i = static_cast<std::size_t>(start) - 1; i < t.size(); i += width(t, i)) {
    if (matchesAt(t, i, p, ignore_case)) return static_cast<int>(i) + 1;
  }
  return -1;
}

int find_last(std::string_view text, std::string_view part) {
  const std::string_view t = cut(text);
  const std::string_view p = cut(part);
  int last = -1;
  for (std::size_t i = 0; i < t.size(); i += width(t, i)) {
    if (matchesAt(t, i, p, false)) last = static_cast<int>(i) + 1;
  }
  return last;
}

std::string between(std::string_view text, std::string_view left, std::string_view right, int start,
                    bool ignore_case) {
  const int p1 = find(text, left, start, ignore_case);
  if (p1 == -1) return {};
  const long long s = static_cast<long long>(p1) + length(left);
  if (s > length(text)) return {};
  const int p2 = find(text, right, static_cast<int>(s), ignore_case);
  if (p2 == -1) return {};
  return middle(text, static_cast<int>(s), static_cast<int>(p2 - s));
}

std::string to_lower(std::string_view text) {
  const std::string_view t = cut(text);
  std::string out(t);
  for (std::size_t i = 0; i < t.size();) {
    const std::size_t w = width(t, i);
    if (w == 1) out[i] = asciiLower(t[i]);
    i += w;
  }
  return out;
}

}  // namespace vex::text
