#include "net/text_ops.h"

#include <algorithm>
#include <cstdint>

namespace vex::text {
namespace {

constexpr unsigned char kLeadMin = 0x80;
constexpr unsigned char kFullWidthBlank = 0xA1;

// The text proper: everything before the first NUL.
std::string_view cut(std::string_view text) {
  const auto nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

// Width of the character at byte index i, never running past the end.
std::size_t width(std::string_view t, std::size_t i) {
  if (static_cast<unsigned char>(t[i]) >= kLeadMin && i + 1 < t.size()) return 2;
  return 1;
}

// Width of the blank at i, or 0 when the character there is not a blank.
std::size_t blankAt(std::string_view t, std::size_t i) {
  if (t[i] == ' ') return 1;
  if (static_cast<unsigned char>(t[i]) == kFullWidthBlank && i + 1 < t.size() &&
      static_cast<unsigned char>(t[i + 1]) == kFullWidthBlank) {
    return 2;
  }
  return 0;
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool matchesAt(std::string_view t, std::size_t i, std::string_view part, bool ignore_case) {
  if (part.size() > t.size() - i) return false;
  for (std::size_t k = 0; k < part.size(); ++k) {
    const char a = t[i + k];
    const char b = part[k];
    if (ignore_case ? asciiLower(a) != asciiLower(b) : a != b) return false;
  }
  return true;
}

template <char (*Convert)(char)>
std::string convertCase(std::string_view text) {
  const std::string_view t = cut(text);
  std::string out(t);
  for (std::size_t i = 0; i < t.size();) {
    const std::size_t w = width(t, i);
    if (w == 1) out[i] = Convert(t[i]);
    i += w;
  }
  return out;
}

}  // namespace

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

std::string to_lower(std::string_view text) { return convertCase<asciiLower>(text); }
std::string to_upper(std::string_view text) { return convertCase<asciiUpper>(text); }

std::string trim(std::string_view text) {
  const std::string_view t = cut(text);
  std::size_t begin = 0;
  while (begin < t.size()) {
    const std::size_t w = blankAt(t, begin);
    if (w == 0) break;
    begin += w;
  }
  // End of the text proper: the first blank of the run that ends the text.
  std::size_t end = t.size();
  bool inRun = false;
  for (std::size_t i = begin; i < t.size();) {
    const std::size_t blank = blankAt(t, i);
    if (blank != 0) {
      if (!inRun) end = i;
      inRun = true;
      i += blank;
    } else {
      inRun = false;
      end = t.size();
      i += width(t, i);
    }
  }
  return std::string(t.substr(begin, end - begin));
}

std::string remove_blanks(std::string_view text) {
  const std::string_view t = cut(text);
  std::string out;
  out.reserve(t.size());
  for (std::size_t i = 0; i < t.size();) {
    const std::size_t blank = blankAt(t, i);
    if (blank != 0) {
      i += blank;
      continue;
    }
    const std::size_t w = width(t, i);
    out.append(t.substr(i, w));
    i += w;
  }
  return out;
}

TextList split(std::string_view text, std::string_view separator) {
  const std::string_view t = cut(text);
  const std::string_view sep = cut(separator);
  TextList pieces;
  if (t.empty()) return pieces;
  if (sep.empty()) {
    pieces.append(std::string(t));
    return pieces;
  }
  std::size_t pieceStart = 0;
  for (std::size_t i = 0; i < t.size();) {
    if (matchesAt(t, i, sep, false)) {
      pieces.append(std::string(t.substr(pieceStart, i - pieceStart)));
      i += sep.size();
      pieceStart = i;
    } else {
      i += width(t, i);
    }
  }
  if (pieceStart < t.size()) pieces.append(std::string(t.substr(pieceStart)));
  return pieces;
}

std::string replace(std::string_view text, std::string_view part, std::string_view replacement,
                    bool case_sensitive) {
  const std::string_view t = cut(text);
  const std::string_view p = cut(part);
  const std::string_view r = cut(replacement);
  if (p.empty()) return std::string(t);
  std::string out;
  out.reserve(t.size());
  for (std::size_t i = 0; i < t.size();) {
    if (matchesAt(t, i, p, !case_sensitive)) {
      out.append(r);
      i += p.size();
    } else {
      const std::size_t w = width(t, i);
      out.append(t.substr(i, w));
      i += w;
    }
  }
  return out;
}

std::string repeat(int count, std::string_view text) {
  const std::string_view t = cut(text);
  std::string out;
  if (count <= 0) return out;
  out.reserve(t.size() * static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) out.append(t);
  return out;
}

std::string spaces(int n) { return n < 1 ? std::string() : std::string(static_cast<std::size_t>(n), ' '); }

std::string concatenate(std::initializer_list<std::string_view> texts) {
  std::string out;
  for (std::string_view t : texts) out.append(cut(t));
  return out;
}

}  // namespace vex::text
