#include "net/text_ops.h"

#include <algorithm>
#include <cstdint>

namespace vex::text {
namespace {

constexpr unsigned char kFullWidthBlank = 0xA1;

// Width of the blank at i, or 0 when the character there is not a blank.
std::size_t blankAt(std::string_view t, std::size_t i) {
  if (t[i] == ' ') return 1;
  if (static_cast<unsigned char>(t[i]) == kFullWidthBlank && i + 1 < t.size() &&
      static_cast<unsigned char>(t[i + 1]) == kFullWidthBlank) {
    return 2;
  }
  return 0;
}

}  // namespace

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

}  // namespace vex::text
