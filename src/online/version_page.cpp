#include "online/version_page.h"

#include <algorithm>

namespace vex::online {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// 0-based offset of `part` at or after `from`, walking whole GBK characters
// and ignoring ASCII case; npos when absent.
std::size_t findNoCase(const Text& text, const Text& part, std::size_t from) {
  for (std::size_t i = from; i < text.size();) {
    if (text.size() - i >= part.size() &&
        std::equal(part.begin(), part.end(), text.begin() + static_cast<std::ptrdiff_t>(i),
                   [](char a, char b) { return lowerAscii(a) == lowerAscii(b); })) {
      return i;
    }
    i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
  }
  return Text::npos;
}

Text between(const Text& text, const Text& left, const Text& right) {
  const std::size_t p1 = findNoCase(text, left, 0);
  if (p1 == Text::npos) return {};
  const std::size_t s = p1 + left.size();
  const std::size_t p2 = findNoCase(text, right, s);
  if (p2 == Text::npos) return {};
  return text.substr(s, p2 - s);
}

bool blankAt(const Text& text, std::size_t i, std::size_t* width) {
  if (text[i] == ' ') {
    *width = 1;
    return true;
  }
  if (i + 1 < text.size() && static_cast<unsigned char>(text[i]) == 0xA1 &&
      static_cast<unsigned char>(text[i + 1]) == 0xA1) {
    *width = 2;
    return true;
  }
  return false;
}

}  // namespace

Text versionPageText(const Bytes& fetched) {
  const auto nul = std::find(fetched.begin(), fetched.end(), 0);
  return Text(fetched.begin(), nul);
}

VersionInfo parseVersionPage(const Text& page) {
  const Text body = between(page, "[start]", "[end]");
  VersionInfo info;
  info.edition = between(body, "[edition]", "[/edition]");
  info.download = between(body, "[dowload]", "[/dowload]");
  info.update = between(body, "[update]", "[/update]");
  info.sha256 = between(body, "[sha256]", "[/sha256]");
  return info;
}

bool announcesNewVersion(const VersionInfo& info) {
  return !info.edition.empty() && info.edition != CURRENT_VERSION;
}

std::size_t versionReadBufferSize(const std::string& contentLength) {
  constexpr std::size_t kMax = 102400;
  constexpr std::size_t kNoLength = 10240;
  std::size_t i = 0;
  while (i < contentLength.size() && contentLength[i] == ' ') ++i;
  std::size_t value = 0;
  bool digits = false;
  for (; i < contentLength.size() && contentLength[i] >= '0' && contentLength[i] <= '9'; ++i) {
    digits = true;
    value = std::min<std::size_t>(value * 10 + static_cast<std::size_t>(contentLength[i] - '0'), kMax);
  }
  if (!digits || value == 0) return kNoLength;
  return std::min(value + 1, kMax);
}

Text trimBlanks(const Text& text) {
  std::size_t begin = 0, width = 0;
  while (begin < text.size() && blankAt(text, begin, &width)) begin += width;
  // Walk whole characters so a trail byte never counts as a blank; cut at the
  // first blank of the run that ends the text.
  std::size_t end = begin, runStart = Text::npos;
  for (std::size_t i = begin; i < text.size();) {
    if (blankAt(text, i, &width)) {
      if (runStart == Text::npos) runStart = i;
      i += width;
    } else {
      runStart = Text::npos;
      i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
    }
    end = std::min(i, text.size());
  }
  if (runStart != Text::npos) end = runStart;
  return text.substr(begin, end - begin);
}

Text versionPageAddress(const Text& host) { return "http://" + host + kVersionPagePath; }

}  // namespace vex::online
