#include "net/set_cookies.h"

#include "net/text_extract.h"
#include "net/text_ops.h"

namespace vex {

std::string collect_set_cookies(std::string_view raw_headers) {
  std::string cookies;
  for (const std::string& line : text::split(raw_headers, "\r\n")) {
    if (text_before(line, ": ") != "Set-Cookie") continue;
    std::string value;
    if (text::find(line, ";") != -1) {
      value = text::trim(text_between(line, "Set-Cookie:", ";"));
    } else {
      value = text::trim(text::replace(line, "Set-Cookie:", "", false));
    }
    cookies += value;
    cookies += "; ";
  }
  return text::left(cookies, text::length(cookies) - 2);
}

}  // namespace vex
