#include "fuzz_input.h"
#include "net/text_extract.h"
#include "net/text_ops.h"

using namespace vex;
using fuzz::require;

namespace {

bool isBlankAt(const std::string& t, std::size_t i) {
  return t[i] == ' ' || (i + 1 < t.size() && static_cast<unsigned char>(t[i]) == 0xA1 &&
                         static_cast<unsigned char>(t[i + 1]) == 0xA1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto p = fuzz::pieces(data, size, 3);
  const std::string& t = p[0];
  const std::string& part = p[1];
  const int n = text::length(t);
  const int start = p[2].empty() ? 1 : static_cast<signed char>(p[2][0]);

  const int at = text::find(t, part, start, false);
  if (at != -1) {
    require(at >= 1 && at <= n);
    if (text::length(part) > 0)
      require(text::middle(t, at, text::length(part)) == text::left(part, text::length(part)));
  }
  const int atIc = text::find(t, part, start, true);
  require(atIc == -1 || (atIc >= 1 && atIc <= n));
  if (at != -1) require(atIc != -1 && atIc <= at);
  const int last = text::find_last(t, part);
  require(last == -1 || (last >= 1 && last <= n));
  if (text::length(part) > 0) require((last == -1) == (text::find(t, part) == -1));

  require(text::length(text::to_lower(t)) == n);

  const std::string trimmed = text::trim(t);
  require(trimmed.size() <= static_cast<std::size_t>(n));
  if (!trimmed.empty()) require(!isBlankAt(trimmed, 0));
  require(text::trim(trimmed) == trimmed);
  require(text::find(text::remove_blanks(t), " ") == -1);

  const TextList list = text::split(t, part);
  if (n > 0 && text::length(part) > 0) {
    std::string joined;
    for (int k = 1; k <= list.count(); ++k) {
      if (k > 1) joined += text::left(part, text::length(part));
      joined += list[k];
    }
    require(joined == text::left(t, n) || joined + text::left(part, text::length(part)) == text::left(t, n));
  }

  const std::string replaced = text::replace(t, part, p[2], false);
  (void)replaced;
  require(text::middle(t, start, n).size() <= static_cast<std::size_t>(n));
  require(text::left(t, start).size() <= static_cast<std::size_t>(n));
  require(text::right(t, start).size() <= static_cast<std::size_t>(n));

  const std::string between = text_between(t, part, p[2], start, start % 2 == 0);
  require(between.size() <= static_cast<std::size_t>(n));
  require(text_after_colon(t).size() <= static_cast<std::size_t>(n));
  require(text_before(t, part, start).size() <= static_cast<std::size_t>(n));
  return 0;
}
