#include "net/text_extract.h"

#include "net/text_ops.h"

namespace vex {
namespace {

// "#引号" lets callers write a double quote inside a delimiter literal.
// Spelled as its GBK bytes so the meaning does not hang on the compiler's
// execution character set.
constexpr const char* kQuoteWord = "#\xD2\xFD\xBA\xC5";

}  // namespace

std::string text_between(std::string_view text, std::string_view left_delimiter,
                         std::string_view right_delimiter, int start, bool ignore_case) {
  return text::between(text, text::replace(left_delimiter, kQuoteWord, "\"", true),
                       text::replace(right_delimiter, kQuoteWord, "\"", true), start, ignore_case);
}

std::string text_after_colon(std::string_view text) {
  const int p = text::find(text, ":");
  if (p == -1) return {};
  return text::trim(text::right(text, text::length(text) - p));
}

std::string text_before(std::string_view text, std::string_view separator, int start, bool ignore_case) {
  const int p = text::find(text, separator, start < 1 ? 1 : start, ignore_case);
  if (p == -1) return {};
  return text::left(text, p - 1);
}

}  // namespace vex
