#include "online/version_page.h"

#include <algorithm>

#include "net/text_extract.h"
#include "net/text_ops.h"

namespace vex::online {

Text versionPageText(const Bytes& fetched) {
  const auto nul = std::find(fetched.begin(), fetched.end(), 0);
  return Text(fetched.begin(), nul);
}

namespace {
// Tags match in any case; the first occurrence wins.
Text between(const Text& text, const char* left, const char* right) {
  return text_between(text, left, right, 1, true);
}
}  // namespace

VersionInfo parseVersionPage(const Text& page) {
  const Text body = between(page, "[start]", "[end]");
  VersionInfo info;
  info.edition = between(body, "[edition]", "[/edition]");
  info.download = between(body, "[dowload]", "[/dowload]");
  info.update = between(body, "[update]", "[/update]");
  info.statement = between(body, "[statement]", "[/statement]");
  info.statementSignature = between(body, "[statement-signature]", "[/statement-signature]");
  return info;
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

Text versionPageAddress(const Text& host) { return "http://" + host + kVersionPagePath; }

}  // namespace vex::online
